// The record engine: converts the text fields of one KV720 record file, into another folder or
// in place, where the file is first kept under a "temp08" backup name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "convert/JobInterfaces.h"
#include "records/REKORDY.h"

namespace konwpl {

// The suffix of a backup: ADRESY.REK is kept as ADRESY.REKtemp08 beside it.
inline constexpr char8_t kBackupSuffix[] = u8"temp08";

// Where a conversion reads and writes. In place, readPath and writePath are the same file and
// backupPath is where the unconverted file is kept; the rename happens when the converted file
// is complete (OutputFile::Commit), so a failure on the way leaves the file under its own name.
struct PreparedFiles {
    std::filesystem::path readPath;
    std::filesystem::path writePath;
    std::optional<std::filesystem::path> backupPath;
};

// The file that the engine writes for `name` in `destDir`: on Windows the upper-cased path; where
// letter case tells files apart, a file of that name in any letter case, else a new one bearing
// the upper-cased name.
std::filesystem::path EngineDestination(const std::filesystem::path& name,
                                        const std::filesystem::path& destDir);

// The path handling, in-place test and backup question shared by the record engine and the
// whole-text conversion. Returns nothing when the user declines to replace an older backup.
std::optional<PreparedFiles> PrepareFiles(const std::filesystem::path& name,
                                          const std::filesystem::path& sourceDir,
                                          const std::filesystem::path& destDir, UserDialog& dialog);

// Asks before an older backup is replaced, and deletes it on Yes. False on No.
bool ConfirmBackupReplace(const std::filesystem::path& backupPath, UserDialog& dialog);

// Converts every whole record of the file `name` in `sourceDir` into `destDir`. Returns the
// number of records written, or nothing when the user declined the backup question. A failure
// of the file system is raised as FileError, and the destination is then as it was.
std::optional<std::uint64_t> ConvertRecordFile(const std::filesystem::path& name,
                                               const std::filesystem::path& sourceDir,
                                               const std::filesystem::path& destDir,
                                               const RecordLayout& layout, UserDialog& dialog,
                                               ConvertText& convert);

}  // namespace konwpl
