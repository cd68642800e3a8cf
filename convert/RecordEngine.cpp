#include "convert/RecordEngine.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/FileServices.h"
#include "convert/PathNames.h"
#include "convert/Platform.h"

namespace konwpl {

namespace fs = std::filesystem;

namespace {

// Records are read and written many at a time, in blocks of about this size; memory stays the
// same whatever the size of the file.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

struct PlacedField {
    std::size_t offset;
    std::uint8_t capacity;
};

std::vector<PlacedField> PlaceFields(const RecordLayout& layout) {
    std::vector<PlacedField> placed;
    placed.reserve(TextFieldCount(layout));
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        placed.push_back({offset, capacity});
    });
    return placed;
}

}  // namespace

bool ConfirmBackupReplace(const fs::path& backupPath, UserDialog& dialog) {
    if (!FileExists(backupPath)) {
        return true;
    }
    const std::string text = "Wykryto isttnienie kopii zapasowej pliku\r" +
                             DisplayPath(backupPath) +
                             "\rOznacza to, że konwersja była już dokonana na tym pliku."
                             "\rCzy jesteś pewny, że chcesz usunąć istniejącą kopię pliku"
                             "\ri dokonać powtórnej konwersji?";
    if (dialog.Ask(text, "Zapytanie strategiczne", DialogIcon::Question, DialogButtons::YesNo) !=
        DialogAnswer::Yes) {
        return false;
    }
    // Going on after a failed deletion would, on Windows, leave the old backup in the way of the
    // current file: stop instead.
    RemoveFile(backupPath);
    return true;
}

fs::path EngineDestination(const fs::path& name, const fs::path& destDir) {
    if constexpr (platform::kCaseBlindFileSystem) {
        return platform::UpperCasedPath(destDir / name);
    } else {
        return FileInFolder(destDir, UpperCaseName(name));
    }
}

std::optional<PreparedFiles> PrepareFiles(const fs::path& name, const fs::path& sourceDir,
                                          const fs::path& destDir, UserDialog& dialog) {
    const fs::path upperSource = platform::UpperCasedPath(sourceDir / name);
    const fs::path upperDest = platform::UpperCasedPath(destDir / name);

    PreparedFiles files;
    // Where letter case tells files apart, the source is read under the name the user chose.
    files.readPath = platform::kCaseBlindFileSystem ? upperSource : sourceDir / name;
    files.writePath = EngineDestination(name, destDir);

    // The same file under two written forms (c:\dane\ and C:\DANE\, dir/../dir, a link) is
    // still the same file: writing it while reading it would empty it.
    const bool inPlace = TrimmedText(upperSource) == TrimmedText(upperDest) ||
                         SameFile(files.readPath, files.writePath);
    if (inPlace) {
        files.writePath = files.readPath;
        fs::path backup = platform::UpperCasedPath(files.readPath);
        backup += fs::path(kBackupSuffix);
        if (!ConfirmBackupReplace(backup, dialog)) {
            return std::nullopt;
        }
        files.backupPath = std::move(backup);
    }
    return files;
}

std::optional<std::uint64_t> ConvertRecordFile(const fs::path& name, const fs::path& sourceDir,
                                               const fs::path& destDir, const RecordLayout& layout,
                                               UserDialog& dialog, ConvertText& convert) {
    const std::optional<PreparedFiles> files = PrepareFiles(name, sourceDir, destDir, dialog);
    if (!files) {
        return std::nullopt;
    }
    const std::vector<PlacedField> fields = PlaceFields(layout);
    const std::size_t size = layout.size;

    InputFile input(files->readPath);
    OutputFile output(files->writePath);
    // Bytes after the last whole record are never read and do not reach the destination.
    const std::uint64_t records = input.Size() / size;
    const std::size_t perBlock = std::max<std::size_t>(1, kBlockBytes / size);
    std::vector<std::uint8_t> block(perBlock * size);

    for (std::uint64_t done = 0; done < records;) {
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(perBlock, records - done));
        const std::span<std::uint8_t> bytes(block.data(), count * size);
        input.ReadExactly(bytes);
        for (std::size_t r = 0; r < count; ++r) {
            std::uint8_t* record = bytes.data() + r * size;
            for (const PlacedField& field : fields) {
                convert.Convert(ShortText(record + field.offset, field.capacity).ClampedText());
            }
        }
        output.Write(bytes);
        done += count;
    }
    input.Close();
    output.Commit(files->backupPath);
    return records;
}

}  // namespace konwpl
