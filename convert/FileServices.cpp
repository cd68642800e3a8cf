#include "convert/FileServices.h"

#include <array>
#include <random>
#include <string>

#include "convert/FileError.h"
#include "convert/PathNames.h"

namespace konwpl {

namespace fs = std::filesystem;

namespace {

// Countdown per step until an injected fault: 0 means none planned.
std::array<int, 7> gFaults{};

bool Faulted(FileStep step, std::error_code& error) {
    int& countdown = gFaults[static_cast<std::size_t>(step)];
    if (countdown > 0 && --countdown == 0) {
        error = std::make_error_code(std::errc::io_error);
        return true;
    }
    return false;
}

[[noreturn]] void Fail(const std::string& what, const fs::path& path, std::error_code error) {
    throw FileError(what + " " + DisplayPath(path) + ": " + error.message(), error);
}

// A name beside the destination that no other file has: dot-prefixed, so that it sorts apart
// and is hidden where the system hides such names.
fs::path TemporaryBeside(const fs::path& destination, int attempt) {
    static std::mt19937 random{std::random_device{}()};
    const std::string tag = std::to_string(random() % 1000000) + "-" + std::to_string(attempt);
    fs::path name = fs::path(u8".") += destination.filename();
    name += fs::path(u8".konwpl-" + std::u8string(tag.begin(), tag.end()) + u8".tmp");
    return destination.parent_path() / name;
}

}  // namespace

void InjectFileFault(FileStep step, int nth) {
    gFaults[static_cast<std::size_t>(step)] = nth;
}

void ClearFileFaults() {
    gFaults.fill(0);
}

InputFile::InputFile(const fs::path& path) : path_(path) {
    std::error_code error;
    if (Faulted(FileStep::OpenRead, error) || (error = platform::OpenForReading(path, file_))) {
        file_ = platform::kNoFile;
        Fail("Cannot open file", path, error);
    }
    if ((error = platform::SizeOf(file_, size_))) {
        Close();
        Fail("Cannot read file", path, error);
    }
}

InputFile::~InputFile() {
    if (file_ != platform::kNoFile) {
        platform::Close(file_);
    }
}

std::size_t InputFile::Read(std::span<std::uint8_t> buffer) {
    std::size_t total = 0;
    while (total < buffer.size()) {
        std::size_t got = 0;
        std::error_code error;
        if (Faulted(FileStep::Read, error) ||
            (error = platform::Read(file_, buffer.data() + total, buffer.size() - total, got))) {
            Fail("Cannot read file", path_, error);
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    return total;
}

void InputFile::ReadExactly(std::span<std::uint8_t> buffer) {
    if (Read(buffer) != buffer.size()) {
        Fail("Cannot read file", path_, std::make_error_code(std::errc::io_error));
    }
}

void InputFile::Close() {
    if (file_ == platform::kNoFile) {
        return;
    }
    const platform::NativeFile file = file_;
    file_ = platform::kNoFile;
    if (const std::error_code error = platform::Close(file)) {
        Fail("Cannot close file", path_, error);
    }
}

OutputFile::OutputFile(const fs::path& destination) : destination_(destination) {
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = TemporaryBeside(destination, attempt);
        if (Faulted(FileStep::Create, error) || !(error = platform::CreateNew(temporary_, file_)) ||
            error != std::errc::file_exists) {
            break;
        }
    }
    if (error) {
        file_ = platform::kNoFile;
        temporary_.clear();
        Fail("Cannot create file", destination, error);
    }
}

OutputFile::~OutputFile() {
    Discard();
}

void OutputFile::Discard() noexcept {
    if (file_ != platform::kNoFile) {
        platform::Close(file_);
        file_ = platform::kNoFile;
    }
    if (!temporary_.empty()) {
        std::error_code ignored;
        fs::remove(temporary_, ignored);
        temporary_.clear();
    }
}

void OutputFile::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        std::size_t put = 0;
        std::error_code error;
        if (Faulted(FileStep::Write, error) ||
            (error = platform::Write(file_, bytes.data(), bytes.size(), put))) {
            Fail("Cannot write file", destination_, error);
        }
        if (put == 0) {
            Fail("Cannot write file", destination_,
                 std::make_error_code(std::errc::no_space_on_device));
        }
        bytes = bytes.subspan(put);
    }
}

void OutputFile::Commit(const std::optional<fs::path>& backup) {
    std::error_code error;
    if (Faulted(FileStep::Flush, error) || (error = platform::FlushToDisk(file_))) {
        Fail("Cannot write file", destination_, error);
    }
    const platform::NativeFile file = file_;
    file_ = platform::kNoFile;
    if ((error = platform::Close(file))) {
        Fail("Cannot write file", destination_, error);
    }
    // A replaced destination keeps its permissions.
    std::error_code ignored;
    if (const fs::file_status status = fs::status(destination_, ignored); fs::exists(status)) {
        fs::permissions(temporary_, status.permissions(), ignored);
    }
    if (backup) {
        MoveFile(destination_, *backup);
    }
    if (Faulted(FileStep::Rename, error) ||
        (error = platform::RenameReplacing(temporary_, destination_))) {
        if (backup && platform::RenameReplacing(*backup, destination_)) {
            // Both renames failed: say where the unconverted file is, so nothing is lost.
            throw FileError("Cannot write file " + DisplayPath(destination_) + ": " +
                                error.message() + "; the unconverted file is kept as " +
                                DisplayPath(*backup),
                            error);
        }
        Fail("Cannot write file", destination_, error);
    }
    temporary_.clear();
    platform::FlushFolder(destination_.parent_path());
}

bool FileExists(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return fs::exists(status) && !fs::is_directory(status);
}

void RemoveFile(const fs::path& path) {
    std::error_code error;
    if (!Faulted(FileStep::Remove, error)) {
        // The backup of a read-only file is read-only too; Windows refuses to delete such a
        // file, though the user has asked for it.
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove(path, error);
    }
    if (error) {
        Fail("Cannot delete file", path, error);
    }
}

void MoveFile(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (Faulted(FileStep::Rename, error) || (error = platform::RenameReplacing(from, to))) {
        throw FileError("Cannot rename file " + DisplayPath(from) + " to " + DisplayPath(to) +
                            ": " + error.message(),
                        error);
    }
}

}  // namespace konwpl
