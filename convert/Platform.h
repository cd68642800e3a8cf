// The few file services that differ between Windows and the POSIX systems, and nothing else.
// Everything here reports failures as error codes; FileServices turns them into FileError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace konwpl::platform {

// An open file: a C runtime descriptor on both systems.
using NativeFile = int;
inline constexpr NativeFile kNoFile = -1;

// Opens an existing file for reading only, letting other programs read and write it meanwhile.
std::error_code OpenForReading(const std::filesystem::path& path, NativeFile& file);
// Creates a new file for writing; fails if a file of that name exists.
std::error_code CreateNew(const std::filesystem::path& path, NativeFile& file);
// Reads up to `size` bytes; `got` is 0 at the end of the file.
std::error_code Read(NativeFile file, void* buffer, std::size_t size, std::size_t& got);
// Writes up to `size` bytes; `put` tells how many were written.
std::error_code Write(NativeFile file, const void* buffer, std::size_t size, std::size_t& put);
std::error_code SizeOf(NativeFile file, std::uint64_t& size);
// Puts the file's data on the disk before the call returns.
std::error_code FlushToDisk(NativeFile file);
std::error_code Close(NativeFile file);

// Renames `from` to `to`, replacing a file that stands at `to`.
std::error_code RenameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes a rename inside `folder` survive a power cut, where the system allows it (POSIX); a
// no-op where the rename itself is written through (Windows).
void FlushFolder(const std::filesystem::path& folder);

// True where the file system ignores letter case (Windows).
inline constexpr bool kCaseBlindFileSystem =
#ifdef _WIN32
    true;
#else
    false;
#endif

// The path as the engine names files: on Windows the whole path upper-cased, as KV720 does; on
// systems that tell letter case apart only the file name, so that folders are still found.
std::filesystem::path UpperCasedPath(const std::filesystem::path& path);

}  // namespace konwpl::platform
