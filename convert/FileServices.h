// The file services of the conversion jobs, each failure raised as a FileError that names the
// file: reading a source in blocks, and writing a destination so that it is either whole or
// not there at all.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "convert/Platform.h"

namespace konwpl {

// A source, open for reading only: a read-only file converts like any other.
class InputFile {
public:
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    std::uint64_t Size() const { return size_; }
    // Fills `buffer` from the current position; returns fewer bytes only at the end of the file.
    std::size_t Read(std::span<std::uint8_t> buffer);
    // Fills `buffer` whole, or fails: the file has shrunk under the reader.
    void ReadExactly(std::span<std::uint8_t> buffer);
    void Close();

private:
    std::filesystem::path path_;
    platform::NativeFile file_ = platform::kNoFile;
    std::uint64_t size_ = 0;
};

// A destination written atomically: the bytes go to a temporary file beside it, and Commit
// flushes that file to the disk and renames it over the destination. Until then, and whenever
// anything fails, the destination is as it was; the temporary file never outlives the object.
class OutputFile {
public:
    explicit OutputFile(const std::filesystem::path& destination);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void Write(std::span<const std::uint8_t> bytes);
    // Puts the written bytes under the destination's name. With a backup path (a conversion in
    // place), the destination is first renamed to the backup name; if the last rename fails it
    // is renamed back, so the file stands under its own name again.
    void Commit(const std::optional<std::filesystem::path>& backup = std::nullopt);

private:
    void Discard() noexcept;

    std::filesystem::path destination_;
    std::filesystem::path temporary_;
    platform::NativeFile file_ = platform::kNoFile;
};

// True when a file (not a folder) stands at `path`.
bool FileExists(const std::filesystem::path& path);
// Deletes the file at `path`, read-only or not.
void RemoveFile(const std::filesystem::path& path);
// Renames `from` to `to`, replacing a file at `to`.
void MoveFile(const std::filesystem::path& from, const std::filesystem::path& to);

// A narrow seam for tests: makes the nth coming use of one step fail as an I/O error would, so
// that failures can be provoked even where permissions do not bind (as for root).
enum class FileStep { OpenRead, Create, Read, Write, Flush, Rename, Remove };
void InjectFileFault(FileStep step, int nth = 1);
void ClearFileFaults();

}  // namespace konwpl
