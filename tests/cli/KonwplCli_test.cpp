// konwpl-cli end to end: the built program run as a user or a script would run it, with its
// standard input redirected from a file (so never a terminal), its output and exit status read
// back. Portable: under Wine the Windows build runs the same tests against konwpl-cli.exe.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../TestFiles.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace konwpl::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kDone = 0;
constexpr int kSkipped = 1;
constexpr int kUsage = 2;
constexpr int kFailure = 3;

std::string CliPath() {
    if (const char* path = std::getenv("KONWPL_CLI")) {
        return path;
    }
    std::string path = KONWPL_CLI_PATH;
#ifdef _WIN32
    if (!path.empty() && path.front() == '/') {
        path = "Z:" + path;  // a cross build run under Wine, which shows / as drive Z:
    }
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

std::string Quoted(const std::string& text) {
    return '"' + text + '"';
}

std::string TextOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Windows writes its line breaks as CR LF; the tests compare the lines.
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// The standard address record of the tests: field 1 (offset 4) holds "ąćęł" in Mazovia; a
// Mazovia ą also stands before it, after its text within its capacity, and after the last field.
Bytes AddressRecord() {
    Bytes record(557, 0x00);
    record[0] = 0x86;
    record[4] = 4;
    record[5] = 0x86;
    record[6] = 0x8D;
    record[7] = 0x91;
    record[8] = 0x92;
    record[9] = 0x86;
    record[550] = 0x86;
    return record;
}

// The same converted from Mazovia to CP-852: only the four characters of field 1 change.
Bytes ConvertedAddressRecord() {
    Bytes record = AddressRecord();
    record[5] = 0xA5;
    record[6] = 0x86;
    record[7] = 0xA9;
    record[8] = 0x88;
    return record;
}

Bytes Repeated(const Bytes& record, int times) {
    Bytes bytes;
    for (int i = 0; i < times; ++i) {
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class KonwplCli : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(src());
        fs::create_directory(out());
        fs::create_directory(io_ / "io");
    }

    fs::path src() const { return dir_ / "src"; }
    fs::path out() const { return dir_ / "out"; }
    std::string Src(const char* name) const { return (src() / name).string(); }

    // Runs konwpl-cli with `args`, `input` as its standard input.
    Outcome Cli(const std::vector<std::string>& args, const std::string& input = {}) {
        const fs::path in = io_ / "io" / "stdin";
        const fs::path stdoutPath = io_ / "io" / "stdout";
        const fs::path stderrPath = io_ / "io" / "stderr";
        WriteBytes(in, BytesOf(input));
        std::string command = Quoted(CliPath());
        for (const std::string& arg : args) {
            command += ' ' + Quoted(arg);
        }
        command += " <" + Quoted(in.string()) + " >" + Quoted(stdoutPath.string()) + " 2>" +
                   Quoted(stderrPath.string());
#ifdef _WIN32
        command = Quoted(command);  // cmd /c strips one pair of quotes around the whole line
#endif
        const int raw = std::system(command.c_str());
        Outcome run;
#ifdef _WIN32
        run.status = raw;
#else
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        run.out = TextOf(stdoutPath);
        run.err = TextOf(stderrPath);
        return run;
    }

    TempDir dir_;
    TempDir io_;
};

TEST_F(KonwplCli, ConvertsIntoAnotherFolderQuietly) {
    const Bytes source = Repeated(AddressRecord(), 3);
    WriteBytes(src() / "adresy.rek", source);

    const Outcome run = Cli({"-t", "adresy", "-d", out().string(), Src("adresy.rek")});

    EXPECT_EQ(run.status, kDone);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(FolderEntries(out()), std::vector<std::string>{"ADRESY.REK"});
    EXPECT_EQ(ReadBytes(out() / "ADRESY.REK"), Repeated(ConvertedAddressRecord(), 3));
    EXPECT_EQ(ReadBytes(src() / "adresy.rek"), source);
}

TEST_F(KonwplCli, ConvertsInPlaceKeepingTheBackup) {
    WriteBytes(src() / "ADRESY.REK", Repeated(AddressRecord(), 2));

    const Outcome run = Cli({"--yes", "-t", "17", "-d", src().string(), Src("ADRESY.REK")});

    EXPECT_EQ(run.status, kDone);
    EXPECT_TRUE(Contains(run.err, "[Pytanie zasadnicze]\nPlik ")) << run.err;
    EXPECT_TRUE(Contains(run.err,
                         "ADRESY.REK już istnieje!\nCzy na pewno go nadpisać?!\n"
                         "Tak/Nie [t/n]: tak (--yes)\n"))
        << run.err;
    EXPECT_EQ(FolderEntries(src()), (std::vector<std::string>{"ADRESY.REK", "ADRESY.REKtemp08"}));
    EXPECT_EQ(ReadBytes(src() / "ADRESY.REKtemp08"), Repeated(AddressRecord(), 2));
    EXPECT_EQ(ReadBytes(src() / "ADRESY.REK"), Repeated(ConvertedAddressRecord(), 2));
}

TEST_F(KonwplCli, InPlaceAgainAsksAboutTheBackup) {
    WriteBytes(src() / "ADRESY.REK", AddressRecord());
    ASSERT_EQ(Cli({"--yes", "-t", "adresy", "-d", src().string(), Src("ADRESY.REK")}).status,
              kDone);

    const Outcome run = Cli({"--yes", "-t", "adresy", "-d", src().string(), Src("ADRESY.REK")});

    EXPECT_EQ(run.status, kDone);
    EXPECT_TRUE(Contains(run.err, "[Zapytanie strategiczne]\nWykryto isttnienie kopii")) << run.err;
    // Converted twice: the CP-852 ą (A5) is a Mazovia Ń and becomes E3, the CP-852 ć (86) is a
    // Mazovia ą; A9 and 88 are no Mazovia letters.
    Bytes twice = ConvertedAddressRecord();
    twice[5] = 0xE3;
    twice[6] = 0xA5;
    EXPECT_EQ(ReadBytes(src() / "ADRESY.REKtemp08"), ConvertedAddressRecord());
    EXPECT_EQ(ReadBytes(src() / "ADRESY.REK"), twice);
}

struct AnswerCase {
    const char* name;
    std::vector<std::string> flags;
    std::string input;
    int status;
    const char* answer;  // as printed after the prompt
    bool replaced;
};

TEST_F(KonwplCli, TheOverwriteQuestionIsAnsweredByTheFlagsOrNo) {
    const AnswerCase cases[] = {
        {"--yes", {"--yes"}, "", kDone, "tak (--yes)", true},
        {"--no", {"--no"}, "t\n", kSkipped, "nie (--no)", false},
        {"no flag, stdin a file",
         {},
         "t\n",
         kSkipped,
         "nie (standard input is not a terminal; --yes answers Yes)",
         false},
    };
    const Bytes old = BytesOf("an older file");
    for (const AnswerCase& c : cases) {
        WriteBytes(src() / "ADRESY.REK", AddressRecord());
        WriteBytes(out() / "ADRESY.REK", old);
        std::vector<std::string> args = c.flags;
        args.insert(args.end(), {"-t", "tdAdresy", "-d", out().string(), Src("ADRESY.REK")});

        const Outcome run = Cli(args, c.input);

        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_TRUE(Contains(
            run.err, "Czy na pewno go nadpisać?!\nTak/Nie [t/n]: " + std::string(c.answer) + "\n"))
            << c.name << ": " << run.err;
        EXPECT_EQ(ReadBytes(out() / "ADRESY.REK"), c.replaced ? ConvertedAddressRecord() : old)
            << c.name;
    }
}

TEST_F(KonwplCli, TheSizeCheckAsksInTheStandardEditionOnly) {
    Bytes source = Repeated(AddressRecord(), 2);
    source.resize(1214, 0x86);  // two records of 557 bytes and 100 more
    WriteBytes(src() / "ADRESY.REK", source);

    const Outcome standard = Cli({"-t", "adresy", "-d", out().string(), Src("ADRESY.REK")});
    EXPECT_EQ(standard.status, kSkipped);
    EXPECT_TRUE(Contains(standard.err, "Nie wydaje mi się, żeby to był właściwy typ pliku.\n"))
        << standard.err;
    EXPECT_TRUE(FolderEntries(out()).empty());

    // The export record is 685 bytes: one whole record, no question.
    const Outcome eksport =
        Cli({"--eksport", "-t", "adresy", "-d", out().string(), Src("ADRESY.REK")});
    EXPECT_EQ(eksport.status, kDone);
    EXPECT_EQ(eksport.err, "");
    EXPECT_EQ(ReadBytes(out() / "ADRESY.REK").size(), 685u);
}

TEST_F(KonwplCli, TypesWithoutConverterAreRefused) {
    WriteBytes(src() / "PLIK.REK", Bytes(1368 * 205, 0x86));  // fits both record sizes
    for (const char* type : {"6", "tdNumXXXX", "22", "255"}) {
        const Outcome run = Cli({"-t", type, "-d", out().string(), Src("PLIK.REK")});
        EXPECT_EQ(run.status, kSkipped) << type;
        EXPECT_EQ(run.err, "[Brak konwertera]\nBłąd konwersji.\n") << type;
        EXPECT_TRUE(FolderEntries(out()).empty()) << type;
    }
}

TEST_F(KonwplCli, AFileSystemFailureEndsTheRunAfterTheFilesBefore) {
    WriteBytes(src() / "A.TXT", BytesOf("a\n"));
    WriteBytes(src() / "C.TXT", BytesOf("c\n"));

    const Outcome run =
        Cli({"-t", "21", "-d", out().string(), Src("A.TXT"), Src("MISSING.TXT"), Src("C.TXT")});

    EXPECT_EQ(run.status, kFailure);
    EXPECT_TRUE(run.err.starts_with("konwpl-cli: ")) << run.err;
    EXPECT_TRUE(Contains(run.err, "MISSING.TXT")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(FolderEntries(out()), std::vector<std::string>{"A.TXT"});
}

TEST_F(KonwplCli, WholeTextWithTheChosenEncodings) {
    WriteBytes(src() / "list.txt", BytesOf("Za\xBF\xF3\xB3\xE6\nx"));

    const Outcome run = Cli({"-t", "tdCalyPlik", "-f", "win1250", "-o", "CP-852", "-v", "-d",
                             out().string(), Src("list.txt")});

    EXPECT_EQ(run.status, kDone);
    EXPECT_EQ(run.out, (src() / "list.txt").string() + ": tdCalyPlik, 11 bytes written\n");
    EXPECT_EQ(ReadBytes(out() / "LIST.TXT"), BytesOf("Za\xBE\xA2\x88\x86\r\nx\r\n"));
}

TEST_F(KonwplCli, CopiesWithoutConversion) {
    const Bytes bytes = BytesOf("\x86\x8D\r\n\x00\x01");
    WriteBytes(src() / "dane.bin", bytes);

    const Outcome run = Cli({"-t", "0", "-v", "-d", out().string(), Src("dane.bin")});

    EXPECT_EQ(run.status, kDone);
    EXPECT_EQ(run.out, (src() / "dane.bin").string() + ": tdNone, copied\n");
    EXPECT_EQ(ReadBytes(out() / "dane.bin"), bytes);
    // The same folder is refused, as the window refuses it.
    const Outcome same = Cli({"-t", "0", "-d", src().string(), Src("dane.bin")});
    EXPECT_EQ(same.status, kSkipped);
    EXPECT_EQ(same.err, "[Błąd]\nNie można nadpisać pliku na siebie!\n");
}

TEST_F(KonwplCli, VerboseNamesEveryFileInOrder) {
    WriteBytes(src() / "B.REK", Repeated(AddressRecord(), 2));
    WriteBytes(src() / "A.REK", AddressRecord());
    WriteBytes(out() / "A.REK", BytesOf("old"));

    const Outcome run =
        Cli({"--no", "-v", "-t", "adresy", "-d", out().string(), Src("B.REK"), Src("A.REK")});

    EXPECT_EQ(run.status, kSkipped);
    EXPECT_EQ(run.out, Src("B.REK") + ": tdAdresy, 2 records converted\n" + Src("A.REK") +
                           ": tdAdresy, skipped\n");
}

struct UsageCase {
    std::vector<std::string> args;  // FILE and DEST stand for a real file and folder
    const char* reason;             // a part of the one-line reason
};

TEST_F(KonwplCli, UsageErrorsGiveAReasonAndAHint) {
    WriteBytes(src() / "ADRESY.REK", AddressRecord());
    const UsageCase cases[] = {
        {{"--bogus", "-t", "adresy", "-d", "DEST", "FILE"}, "--bogus"},
        {{"-t", "bogus", "-d", "DEST", "FILE"}, "unknown type 'bogus'"},
        {{"-t", "256", "-d", "DEST", "FILE"}, "unknown type '256'"},
        {{"-t", "adresy", "-f", "latin2", "-d", "DEST", "FILE"}, "unknown encoding 'latin2'"},
        {{"-t", "adresy", "-o", "utf-8", "-d", "DEST", "FILE"}, "unknown encoding 'utf-8'"},
        {{"-t", "adresy", "-d", "DEST"}, "FILE"},
        {{"-t", "adresy", "FILE"}, "--dest"},
        {{"-d", "DEST", "FILE"}, "--type"},
        {{"-t", "adresy", "-d", "DEST/none", "FILE"}, "--dest"},
        {{"--yes", "--no", "-t", "adresy", "-d", "DEST", "FILE"}, "--no"},
    };
    for (const UsageCase& c : cases) {
        std::vector<std::string> args;
        std::string shown;
        for (const std::string& arg : c.args) {
            args.push_back(arg == "FILE"             ? Src("ADRESY.REK")
                           : arg.starts_with("DEST") ? out().string() + arg.substr(4)
                                                     : arg);
            shown += arg + ' ';
        }

        const Outcome run = Cli(args);

        EXPECT_EQ(run.status, kUsage) << shown;
        EXPECT_EQ(run.out, "") << shown;
        std::istringstream lines(run.err);
        std::string reason;
        std::string hint;
        std::string more;
        std::getline(lines, reason);
        std::getline(lines, hint);
        EXPECT_TRUE(reason.starts_with("konwpl-cli: ") && Contains(reason, c.reason))
            << shown << ": " << run.err;
        EXPECT_EQ(hint, "Try 'konwpl-cli --help' for more information.") << shown;
        EXPECT_FALSE(std::getline(lines, more)) << shown << ": " << run.err;
        EXPECT_TRUE(FolderEntries(out()).empty()) << shown;
    }
}

TEST_F(KonwplCli, HelpAndVersion) {
    const Outcome help = Cli({"--help"});
    EXPECT_EQ(help.status, kDone);
    EXPECT_TRUE(Contains(help.out, "--type")) << help.out;
    EXPECT_TRUE(Contains(help.out, "  17  tdAdresy\n")) << help.out;
    EXPECT_TRUE(Contains(help.out, "Exit status")) << help.out;

    const Outcome version = Cli({"--version"});
    EXPECT_EQ(version.status, kDone);
    EXPECT_TRUE(version.out.starts_with("konwpl-cli ")) << version.out;
}

}  // namespace
}  // namespace konwpl::testing
