// The only file of the core that includes system headers. One branch per system.
#include "convert/Platform.h"

#include <cerrno>

#include "convert/PathNames.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace konwpl::platform {

namespace fs = std::filesystem;

namespace {

std::error_code LastErrno() {
    return {errno, std::generic_category()};
}

// One read or write of the C runtime takes at most this much on Windows (an unsigned int).
constexpr std::size_t kMaxChunk = std::size_t{1} << 30;

}  // namespace

#ifdef _WIN32

std::error_code OpenForReading(const fs::path& path, NativeFile& file) {
    if (_wsopen_s(&file, path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT, _SH_DENYNO, 0) != 0) {
        file = kNoFile;
        return LastErrno();
    }
    return {};
}

std::error_code CreateNew(const fs::path& path, NativeFile& file) {
    if (_wsopen_s(&file, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _SH_DENYWR, _S_IREAD | _S_IWRITE) != 0) {
        file = kNoFile;
        return LastErrno();
    }
    return {};
}

std::error_code Read(NativeFile file, void* buffer, std::size_t size, std::size_t& got) {
    const int n = _read(file, buffer, static_cast<unsigned>(size < kMaxChunk ? size : kMaxChunk));
    if (n < 0) {
        got = 0;
        return LastErrno();
    }
    got = static_cast<std::size_t>(n);
    return {};
}

std::error_code Write(NativeFile file, const void* buffer, std::size_t size, std::size_t& put) {
    const int n = _write(file, buffer, static_cast<unsigned>(size < kMaxChunk ? size : kMaxChunk));
    if (n < 0) {
        put = 0;
        return LastErrno();
    }
    put = static_cast<std::size_t>(n);
    return {};
}

std::error_code SizeOf(NativeFile file, std::uint64_t& size) {
    struct _stat64 info {};
    if (_fstat64(file, &info) != 0) {
        return LastErrno();
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::error_code FlushToDisk(NativeFile file) {
    return _commit(file) == 0 ? std::error_code{} : LastErrno();
}

std::error_code Close(NativeFile file) {
    return _close(file) == 0 ? std::error_code{} : LastErrno();
}

std::error_code RenameReplacing(const fs::path& from, const fs::path& to) {
    // Unlike a POSIX rename, MoveFile does not replace on its own; write-through makes the new
    // name reach the disk before the call returns.
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {static_cast<int>(GetLastError()), std::system_category()};
    }
    return {};
}

void FlushFolder(const fs::path&) {}

fs::path UpperCasedPath(const fs::path& path) {
    return UpperCaseName(path);
}

#else

std::error_code OpenForReading(const fs::path& path, NativeFile& file) {
    file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return file < 0 ? LastErrno() : std::error_code{};
}

std::error_code CreateNew(const fs::path& path, NativeFile& file) {
    file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return file < 0 ? LastErrno() : std::error_code{};
}

std::error_code Read(NativeFile file, void* buffer, std::size_t size, std::size_t& got) {
    for (;;) {
        const ssize_t n = ::read(file, buffer, size < kMaxChunk ? size : kMaxChunk);
        if (n >= 0) {
            got = static_cast<std::size_t>(n);
            return {};
        }
        if (errno != EINTR) {
            got = 0;
            return LastErrno();
        }
    }
}

std::error_code Write(NativeFile file, const void* buffer, std::size_t size, std::size_t& put) {
    for (;;) {
        const ssize_t n = ::write(file, buffer, size < kMaxChunk ? size : kMaxChunk);
        if (n >= 0) {
            put = static_cast<std::size_t>(n);
            return {};
        }
        if (errno != EINTR) {
            put = 0;
            return LastErrno();
        }
    }
}

std::error_code SizeOf(NativeFile file, std::uint64_t& size) {
    struct stat info {};
    if (::fstat(file, &info) != 0) {
        return LastErrno();
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return {};
}

std::error_code FlushToDisk(NativeFile file) {
    return ::fsync(file) == 0 ? std::error_code{} : LastErrno();
}

std::error_code Close(NativeFile file) {
    return ::close(file) == 0 ? std::error_code{} : LastErrno();
}

std::error_code RenameReplacing(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return error;
}

void FlushFolder(const fs::path& folder) {
    // Best effort: some file systems refuse to open or sync a folder, and the data itself is
    // already on the disk.
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

fs::path UpperCasedPath(const fs::path& path) {
    return path.parent_path() / UpperCaseName(path.filename());
}

#endif

}  // namespace konwpl::platform
