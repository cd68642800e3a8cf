// konwpl-cli: the conversions of the window, from a terminal or a script. One run is one press
// of a type button over the files given, in the order given.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "charset/PlLetters.h"
#include "cli/CliArgs.h"
#include "cli/Terminal.h"
#include "cli/TerminalDialog.h"
#include "convert/Batch.h"
#include "convert/FileError.h"
#include "convert/PathNames.h"

#ifndef KONWPL_VERSION
#define KONWPL_VERSION "unknown"
#endif

namespace {

namespace fs = std::filesystem;
using namespace konwpl;

enum ExitStatus : int {
    kAllDone = 0,      // every file converted or copied
    kSomeSkipped = 1,  // a question answered No, or a type refused
    kUsageError = 2,   // the command line itself is wrong
    kFileFailure = 3,  // a file-system failure ended the batch
};

constexpr const char* kProgram = "konwpl-cli";

CLI::Validator TypeValidator() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            return cli::ParseDocumentType(text) ? std::string{} : "unknown type '" + text + "'";
        },
        "");
}

CLI::Validator CharsetValidator() {
    return CLI::Validator(
        [](const std::string& text) -> std::string {
            return cli::ParseCharset(text)
                       ? std::string{}
                       : "unknown encoding '" + text + "' (CP-852, MAZovia or WIN1250)";
        },
        "");
}

std::string OneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string TypeLabel(TTypDokumentu type) {
    const std::string_view name = TypeName(type);
    return name.empty() ? "type " + std::to_string(type) : std::string(name);
}

void PrintReport(const FileReport& report, TTypDokumentu type) {
    std::cout << DisplayPath(report.source) << ": " << TypeLabel(type) << ", ";
    switch (report.outcome) {
        case FileOutcome::Converted:
            std::cout << report.records
                      << (type == tdCalyPlik ? " bytes written" : " records converted");
            break;
        case FileOutcome::Copied:
            std::cout << "copied";
            break;
        case FileOutcome::Skipped:
            std::cout << "skipped";
            break;
        case FileOutcome::Refused:
            std::cout << "refused (no converter)";
            break;
    }
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    cli::PrepareConsole();

    CLI::App app{"Re-encodes the Polish letters inside KV720 data files.", kProgram};
    app.set_version_flag("--version", std::string(kProgram) + " " + KONWPL_VERSION);

    std::string typeText;
    std::string fromText{kCharsetNames[1]};
    std::string toText{kCharsetNames[0]};
    std::string destText;
    std::vector<std::string> files;
    bool eksport = false;
    bool yes = false;
    bool no = false;
    bool verbose = false;

    app.add_option("-t,--type", typeText, "The files' type: a name or a code, see below")
        ->required()
        ->type_name("TYPE")
        ->check(TypeValidator());
    app.add_option("-f,--from", fromText, "The encoding the files are in")
        ->type_name("ENC")
        ->check(CharsetValidator())
        ->capture_default_str();
    app.add_option("-o,--to", toText, "The encoding to convert them to")
        ->type_name("ENC")
        ->check(CharsetValidator())
        ->capture_default_str();
    app.add_option("-d,--dest", destText,
                   "The destination folder; the files' own folder converts in place")
        ->required()
        ->type_name("DIR")
        ->check(CLI::Validator(CLI::ExistingDirectory).description(""));
    app.add_flag("--eksport", eksport, "The export edition's record layouts, and no size check");
    CLI::Option* yesFlag = app.add_flag("--yes", yes, "Answer Yes to every question");
    app.add_flag("--no", no, "Answer No to every question")->excludes(yesFlag);
    app.add_flag("-v,--verbose", verbose, "Print one line per file: name, type, records converted");
    app.add_option("FILE", files, "The files to convert, in this order")->required()->type_name("");
    app.footer(
        "Types (a name with or without td, in any letter case, or the code):\n" + cli::TypeTable() +
        "\nEncodings: CP-852 (cp852), MAZovia, WIN1250 (cp1250), in any letter case.\n"
        "\nIn place (--dest is the files' own folder) each file is first kept as NAMEtemp08.\n"
        "Without --yes or --no, questions are asked on the terminal, or answered No when\n"
        "standard input is not one.\n"
        "\nExit status: 0 every file converted or copied; 1 a file skipped (a No, or a type\n"
        "without converter); 2 a usage error; 3 a file-system failure ended the run.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            return app.exit(error);  // --help, --version
        }
        std::cerr << kProgram << ": " << OneLine(error.what()) << "\nTry '" << kProgram
                  << " --help' for more information.\n";
        return kUsageError;
    }

    BatchRequest request;
    request.type = *cli::ParseDocumentType(typeText);
    request.edition = eksport ? Edition::Export : Edition::Standard;
    try {
        request.destDir = fs::absolute(fs::path(destText));
        for (const std::string& file : files) {
            request.sources.push_back(fs::absolute(fs::path(file)));
        }
    } catch (const fs::filesystem_error& error) {
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kFileFailure;
    }

    const cli::AnswerPolicy policy = yes  ? cli::AnswerPolicy::AlwaysYes
                                     : no ? cli::AnswerPolicy::AlwaysNo
                                     : cli::StandardInputIsTerminal()
                                         ? cli::AnswerPolicy::AskUser
                                         : cli::AnswerPolicy::NoInputUser;
    cli::TerminalDialog dialog(policy, std::cin, std::cerr);
    FixedConversion conversion(*cli::ParseCharset(fromText), *cli::ParseCharset(toText));

    std::vector<FileReport> reports;
    try {
        reports = RunBatch(request, dialog, conversion);
    } catch (const FileError& error) {
        std::cout.flush();
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kFileFailure;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << kProgram << ": " << error.what() << '\n';
        return kFileFailure;
    }

    bool allDone = true;
    for (const FileReport& report : reports) {
        if (verbose) {
            PrintReport(report, request.type);
        }
        allDone = allDone && (report.outcome == FileOutcome::Converted ||
                              report.outcome == FileOutcome::Copied);
    }
    return allDone ? kAllDone : kSomeSkipped;
}
