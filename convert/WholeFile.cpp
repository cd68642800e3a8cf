#include "convert/WholeFile.h"

#include <vector>

#include "convert/FileServices.h"
#include "convert/RecordEngine.h"

namespace konwpl {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kCopyBlockBytes = std::size_t{1} << 20;
constexpr std::uint8_t kCR = 0x0D;
constexpr std::uint8_t kLF = 0x0A;

}  // namespace

void CopyWithoutConversion(const fs::path& name, const fs::path& sourceDir,
                           const fs::path& destDir) {
    InputFile input(sourceDir / name);
    OutputFile output(destDir / name);
    std::vector<std::uint8_t> block(kCopyBlockBytes);
    while (const std::size_t got = input.Read(block)) {
        output.Write(std::span(block.data(), got));
    }
    input.Close();
    output.Commit();
}

std::optional<std::uint64_t> ConvertWholeText(const fs::path& name, const fs::path& sourceDir,
                                              const fs::path& destDir, UserDialog& dialog,
                                              ConvertText& convert) {
    const std::optional<PreparedFiles> files = PrepareFiles(name, sourceDir, destDir, dialog);
    if (!files) {
        return std::nullopt;
    }
    InputFile input(files->readPath);
    OutputFile output(files->writePath);

    // Every break becomes CR LF: a CR writes the pair at once, and a LF right after a CR belongs
    // to it. Only that one fact has to outlive a block.
    std::vector<std::uint8_t> in(kTextBlockBytes);
    std::vector<std::uint8_t> out(2 * kTextBlockBytes);
    bool afterCR = false;
    std::uint8_t last = kLF;  // an empty file needs no final break
    std::uint64_t written = 0;
    while (const std::size_t got = input.Read(in)) {
        std::size_t n = 0;
        for (std::size_t i = 0; i < got; ++i) {
            const std::uint8_t byte = in[i];
            if (byte == kCR || (byte == kLF && !afterCR)) {
                out[n++] = kCR;
                out[n++] = kLF;
            } else if (byte != kLF) {
                out[n++] = byte;
            }
            afterCR = byte == kCR;
        }
        last = in[got - 1];
        // Line breaks are no letters of any encoding, so converting block by block gives what
        // converting the whole text at once would.
        convert.Convert(std::span(out.data(), n));
        output.Write(std::span(out.data(), n));
        written += n;
    }
    if (last != kCR && last != kLF) {
        const std::uint8_t breakBytes[] = {kCR, kLF};
        output.Write(breakBytes);
        written += 2;
    }
    input.Close();
    output.Commit(files->backupPath);
    return written;
}

}  // namespace konwpl
