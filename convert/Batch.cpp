#include "convert/Batch.h"

#include <string>
#include <system_error>

#include "convert/FileServices.h"
#include "convert/PathNames.h"
#include "convert/RecordEngine.h"
#include "convert/WholeFile.h"

namespace konwpl {

namespace fs = std::filesystem;

namespace {

// A folder's text without trailing separators, so that C:\DANE and C:\DANE\ read alike; a
// root (C:\, /) keeps its separator.
fs::path::string_type FolderText(const fs::path& folder) {
    fs::path::string_type text = folder.native();
    const std::size_t rootLength = folder.root_path().native().size();
    // '/' separates on every system, the preferred separator (a backslash on Windows) too.
    const auto separator = [](auto c) { return c == '/' || c == fs::path::preferred_separator; };
    while (text.size() > rootLength && separator(text.back())) {
        text.pop_back();
    }
    return text;
}

// A copy onto the source itself: the same folder text, or the same file under another form.
bool CopyOntoItself(const fs::path& source, const fs::path& sourceDir, const fs::path& destDir) {
    return FolderText(sourceDir) == FolderText(destDir) ||
           SameFile(source, destDir / source.filename());
}

bool ConfirmOverwrite(const fs::path& destination, UserDialog& dialog) {
    const std::string text =
        "Plik " + DisplayPath(destination) + " już istnieje!\rCzy na pewno go nadpisać?!";
    return dialog.Ask(text, "Pytanie zasadnicze", DialogIcon::Warning, DialogButtons::YesNo) ==
           DialogAnswer::Yes;
}

}  // namespace

std::int64_t FileSizeOf(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) {
        return -1;
    }
    const fs::file_status status = fs::status(absolute, error);
    if (!fs::exists(status)) {
        return -1;
    }
    if (!fs::is_regular_file(status)) {
        return 0;
    }
    const std::uintmax_t size = fs::file_size(absolute, error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

bool FitsRecordSize(const fs::path& path, TTypDokumentu type, Edition edition) {
    if (edition == Edition::Export) {
        return true;
    }
    const std::int64_t recordSize = ExpectedRecordSize(type);
    if (recordSize == 0) {
        return true;
    }
    // A file that is not there (-1) never fits; an empty one always does.
    return FileSizeOf(path) % recordSize == 0;
}

FileReport ConvertOneFile(const fs::path& name, const fs::path& sourceDir, const fs::path& destDir,
                          TTypDokumentu type, Edition edition, UserDialog& dialog,
                          ConvertText& convert) {
    FileReport report{sourceDir / name, FileOutcome::Skipped};
    if (!FitsRecordSize(sourceDir / name, type, edition)) {
        const std::string text =
            "Nie wydaje mi się, żeby to był właściwy typ pliku.\r"
            "Czy na pewno chcesz dokonac konwersji za pomocą wybranego narzędzia\r"
            "na pliku " +
            DisplayPath(name) + "?";
        if (dialog.Ask(text, "Błąd", DialogIcon::Warning, DialogButtons::YesNo) !=
            DialogAnswer::Yes) {
            return report;
        }
    }

    if (type == tdNone) {
        CopyWithoutConversion(name, sourceDir, destDir);
        report.outcome = FileOutcome::Copied;
        return report;
    }
    std::optional<std::uint64_t> done;
    if (type == tdCalyPlik) {
        done = ConvertWholeText(name, sourceDir, destDir, dialog, convert);
    } else if (const RecordLayout* layout = LayoutFor(type, edition)) {
        done = ConvertRecordFile(name, sourceDir, destDir, *layout, dialog, convert);
    } else {
        dialog.Ask("Błąd konwersji.", "Brak konwertera", DialogIcon::Error, DialogButtons::Ok);
        report.outcome = FileOutcome::Refused;
        return report;
    }
    if (done) {
        report.outcome = FileOutcome::Converted;
        report.records = *done;
    }
    return report;
}

std::vector<FileReport> RunBatch(const BatchRequest& request, UserDialog& dialog,
                                 ConvertText& convert) {
    std::vector<FileReport> reports;
    for (const fs::path& source : request.sources) {
        const fs::path name = source.filename();
        const fs::path sourceDir = source.parent_path();
        const fs::path& destDir = request.destDir;

        if (request.type == tdNone && CopyOntoItself(source, sourceDir, destDir)) {
            dialog.Ask("Nie można nadpisać pliku na siebie!", "Błąd", DialogIcon::Warning,
                       DialogButtons::Ok);
            reports.push_back({source, FileOutcome::Skipped});
            continue;
        }
        // The file that will be replaced: the copy keeps the name as it is, the conversions
        // write the engine's upper-cased name. In place that is the source itself.
        const fs::path destination =
            request.type == tdNone ? destDir / name : EngineDestination(name, destDir);
        if (FileExists(destination) && !ConfirmOverwrite(destination, dialog)) {
            reports.push_back({source, FileOutcome::Skipped});
            continue;
        }
        reports.push_back(ConvertOneFile(name, sourceDir, destDir, request.type, request.edition,
                                         dialog, convert));
    }
    return reports;
}

}  // namespace konwpl
