// The batch driver: one press of a type button, over every selected file in turn, with the
// questions that decide whether each file may be written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "convert/JobInterfaces.h"
#include "records/REKORDY.h"

namespace konwpl {

// What a front end hands to the driver: the button's type code, the selected files (full
// paths, in the order shown), the folder that the destination list shows, and the edition.
struct BatchRequest {
    TTypDokumentu type = tdNone;
    std::vector<std::filesystem::path> sources;
    std::filesystem::path destDir;
    Edition edition = Edition::Standard;
};

// What became of one file.
enum class FileOutcome {
    Converted,  // the record engine or the whole-text conversion wrote it
    Copied,     // copied without conversion
    Skipped,    // a question answered No, or the same-folder copy refused
    Refused,    // no converter for the type code
};

struct FileReport {
    std::filesystem::path source;
    FileOutcome outcome;
    std::uint64_t records = 0;  // records converted (bytes for the whole-text conversion)
};

// Handles every file of the request in order. A file-system failure leaves as FileError and
// ends the batch: the files before it stay done, the files after it are not touched. The
// returned report lists every file handled.
std::vector<FileReport> RunBatch(const BatchRequest& request, UserDialog& dialog,
                                 ConvertText& convert);

// The step for one file after RunBatch's questions: the size check, then the operation.
FileReport ConvertOneFile(const std::filesystem::path& name, const std::filesystem::path& sourceDir,
                          const std::filesystem::path& destDir, TTypDokumentu type, Edition edition,
                          UserDialog& dialog, ConvertText& convert);

// The standard edition's size check: a whole number of records of the type. Always true in the
// export edition, and for types without a record size.
bool FitsRecordSize(const std::filesystem::path& path, TTypDokumentu type, Edition edition);

// The size of the file at `path` as its folder reports it, or -1 when no entry is there.
std::int64_t FileSizeOf(const std::filesystem::path& path);

}  // namespace konwpl
