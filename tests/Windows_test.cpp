// The record engine where its rules matter most: on Windows, whose file system ignores letter
// case, where paths have drive roots and backslashes, files bear a read-only attribute and a
// program can hold a file open without sharing it. Built and run on Windows only.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "convert/Batch.h"
#include "convert/FileError.h"
#include "convert/PathNames.h"
#include "convert/RecordEngine.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace konwpl {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::ReadBytes;
using testing::ScriptedDialog;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::uint8_t kA_Mazovia = 0x86;  // ą
constexpr std::uint8_t kA_CP852 = 0xA5;

const RecordLayout& Adresy() {
    return *LayoutFor(tdAdresy, Edition::Standard);
}

// Address records whose every field holds one ą, in Mazovia or, converted, in CP-852.
Bytes AddressFile(std::size_t records, std::uint8_t letter = kA_Mazovia) {
    Bytes file(records * Adresy().size, 0x20);
    for (std::size_t r = 0; r < records; ++r) {
        ForEachTextField(Adresy(), [&](std::size_t offset, std::uint8_t) {
            file[r * Adresy().size + offset] = 1;
            file[r * Adresy().size + offset + 1] = letter;
        });
    }
    return file;
}

// Folder entries as UTF-8, whatever the ANSI code page.
std::vector<std::u8string> Entries(const fs::path& folder) {
    std::vector<std::u8string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().u8string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Utf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

DWORD Attributes(const fs::path& path) {
    return GetFileAttributesW(path.c_str());
}

// Another program's hold on a file: opened with no sharing at all, until the object goes.
class HeldOpen {
public:
    explicit HeldOpen(const fs::path& path)
        : handle_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldOpen() { Release(); }
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;

    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (held()) {
            CloseHandle(handle_);
            handle_ = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE handle_;
};

class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(source);
        fs::create_directory(dest);
    }

    std::optional<std::uint64_t> Convert(const fs::path& name, const fs::path& from,
                                         const fs::path& to) {
        return ConvertRecordFile(name, from, to, Adresy(), dialog, convert);
    }

    TempDir temp;
    fs::path source = temp / "zrodlo";
    fs::path dest = temp / "cel";
    ScriptedDialog dialog;
    testing::FixedConvertText convert{PlCharset::Mazovia, PlCharset::CP852};
};

TEST_F(WindowsTest, TheWholePathIsUpperCased) {
    const fs::path from = temp / u8"dane ąęł" / u8"źródło";
    const fs::path to = temp / u8"cel żółw";
    fs::create_directories(from);
    fs::create_directory(to);
    WriteBytes(from / "adresy.rek", AddressFile(2));
    const std::u8string upperTemp = UpperCaseText(temp.path().u8string());

    // Folders and name, Polish letters included; the separators are the system's own.
    const auto files = PrepareFiles("adresy.rek", from, to, dialog);
    ASSERT_TRUE(files);
    EXPECT_EQ(Utf8(files->readPath.u8string()),
              Utf8(upperTemp + u8"\\DANE ĄĘŁ\\ŹRÓDŁO\\ADRESY.REK"));
    EXPECT_EQ(Utf8(files->writePath.u8string()), Utf8(upperTemp + u8"\\CEL ŻÓŁW\\ADRESY.REK"));
    EXPECT_FALSE(files->backupPath);

    // The file system finds the folders under their upper-cased names; they keep their own
    // letters on the disk, and the new file bears the upper-cased name.
    EXPECT_EQ(Convert("adresy.rek", from, to), 2u);
    EXPECT_EQ(ReadBytes(to / "ADRESY.REK"), AddressFile(2, kA_CP852));
    EXPECT_EQ(Entries(temp.path()),
              (std::vector<std::u8string>{u8"cel", u8"cel żółw", u8"dane ąęł", u8"zrodlo"}));
    EXPECT_EQ(Entries(to), std::vector<std::u8string>{u8"ADRESY.REK"});

    // A failure names the file as the engine wrote it.
    try {
        Convert("brak.rek", from, to);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(
            std::string(error.what())
                .rfind(Utf8(u8"Cannot open file " + upperTemp + u8"\\DANE ĄĘŁ\\ŹRÓDŁO\\BRAK.REK: "),
                       0),
            0u)
            << error.what();
    }
}

TEST_F(WindowsTest, SourceAndDestinationThatDifferOnlyInLetterCaseAreInPlace) {
    const Bytes file = AddressFile(3);
    WriteBytes(source / "Adresy.Rek", file);
    const fs::path upperSource(UpperCaseText(source.u8string()));
    ASSERT_NE(upperSource, source);

    EXPECT_EQ(Convert("adresy.rek", source, upperSource), 3u);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(Entries(source), (std::vector<std::u8string>{u8"ADRESY.REK", u8"ADRESY.REKtemp08"}));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), AddressFile(3, kA_CP852));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), file);

    // The batch driver sees the same: the overwrite question names the file itself, and the
    // backup question follows.
    ScriptedDialog yes({DialogAnswer::Yes, DialogAnswer::Yes});
    RunBatch({tdAdresy, {source / "adresy.rek"}, upperSource, Edition::Standard}, yes, convert);
    ASSERT_EQ(yes.asked.size(), 2u);
    EXPECT_EQ(yes.asked[0].caption, "Pytanie zasadnicze");
    EXPECT_EQ(yes.asked[1].caption, "Zapytanie strategiczne");
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), AddressFile(3, kA_CP852));
}

TEST_F(WindowsTest, TheBackupIsTheUpperCasedPathFollowedByTemp08) {
    const fs::path lower = temp / "kopia";
    fs::create_directory(lower);
    WriteBytes(lower / "adresy.rek", AddressFile(1));
    ASSERT_EQ(Convert("adresy.rek", lower, lower), 1u);
    EXPECT_EQ(Entries(lower), (std::vector<std::u8string>{u8"ADRESY.REK", u8"ADRESY.REKtemp08"}));

    // The second run asks, and names the backup by its full upper-cased path.
    ScriptedDialog no({DialogAnswer::No});
    EXPECT_FALSE(ConvertRecordFile("adresy.rek", lower, lower, Adresy(), no, convert));
    ASSERT_EQ(no.asked.size(), 1u);
    const std::string backup =
        Utf8(UpperCaseText(temp.path().u8string()) + u8"\\KOPIA\\ADRESY.REKtemp08");
    EXPECT_NE(no.asked[0].text.find("\r" + backup + "\r"), std::string::npos) << no.asked[0].text;
    EXPECT_EQ(ReadBytes(lower / "ADRESY.REKtemp08"), AddressFile(1));
}

// A file at the root of drive C: (under Wine, the root of the prefix's drive_c), removed again
// afterwards.
class RootFile {
public:
    RootFile() {
        const std::string tag = std::to_string(std::random_device{}() % 100000000);
        path_ = fs::path("C:\\") / ("KONWPL" + tag + ".REK");
    }
    ~RootFile() {
        for (const fs::path& path : {path_, fs::path(path_) += "temp08"}) {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            std::error_code ignored;
            fs::remove(path, ignored);
        }
    }
    RootFile(const RootFile&) = delete;
    RootFile& operator=(const RootFile&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

TEST_F(WindowsTest, ADriveRootAsDestination) {
    RootFile root;
    const fs::path name = root.path().filename();
    try {
        WriteBytes(root.path(), {});
        fs::remove(root.path());
    } catch (const std::exception&) {
        GTEST_SKIP() << "no files may be created in C:\\ here";
    }
    WriteBytes(source / name, AddressFile(2));

    // Into the root: the destination's folder text is C:\ itself.
    auto reports =
        RunBatch({tdAdresy, {source / name}, "C:\\", Edition::Standard}, dialog, convert);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Converted);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(ReadBytes(root.path()), AddressFile(2, kA_CP852));

    // In place at the root: the backup stands beside the file, C:\NAMEtemp08.
    reports = RunBatch({tdAdresy, {root.path()}, "C:\\", Edition::Standard}, dialog, convert);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Converted);
    EXPECT_EQ(ReadBytes(fs::path(root.path()) += "temp08"), AddressFile(2, kA_CP852));
    EXPECT_TRUE(fs::exists(root.path()));

    // A copy from the root onto the root is refused like any other copy onto its own folder.
    dialog.asked.clear();
    reports = RunBatch({tdNone, {root.path()}, "C:\\", Edition::Standard}, dialog, convert);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Skipped);
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].text, "Nie można nadpisać pliku na siebie!");
}

TEST_F(WindowsTest, AReadOnlySourceConvertsIntoAnotherFolder) {
    const Bytes file = AddressFile(2);
    WriteBytes(source / "ADRESY.REK", file);
    ASSERT_TRUE(SetFileAttributesW((source / "ADRESY.REK").c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(Convert("ADRESY.REK", source, dest), 2u);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), AddressFile(2, kA_CP852));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_TRUE(Attributes(source / "ADRESY.REK") & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(Attributes(dest / "ADRESY.REK") & FILE_ATTRIBUTE_READONLY);
}

TEST_F(WindowsTest, AReadOnlyFileConvertsInPlaceAgain) {
    WriteBytes(source / "ADRESY.REK", AddressFile(1));
    ASSERT_TRUE(SetFileAttributesW((source / "ADRESY.REK").c_str(), FILE_ATTRIBUTE_READONLY));

    EXPECT_EQ(Convert("ADRESY.REK", source, source), 1u);
    // The backup is read-only like its file; Yes to the question deletes it all the same.
    EXPECT_EQ(Convert("ADRESY.REK", source, source), 1u);
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), AddressFile(1, kA_CP852));
}

TEST_F(WindowsTest, AnOldBackupHeldOpenStopsTheConversionAndLosesNothing) {
    const Bytes file = AddressFile(2);
    WriteBytes(source / "ADRESY.REK", file);
    WriteBytes(source / "ADRESY.REKtemp08", {1, 2, 3});
    HeldOpen hold(source / "ADRESY.REKtemp08");
    ASSERT_TRUE(hold.held());

    // Yes to replacing the old backup: it cannot be deleted, so the file cannot be moved to
    // the backup name, and the engine stops before it starts.
    ScriptedDialog yes({DialogAnswer::Yes});
    try {
        ConvertRecordFile("ADRESY.REK", source, source, Adresy(), yes, convert);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_NE(std::string(error.what()).find("ADRESY.REKtemp08"), std::string::npos)
            << error.what();
    }
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].caption, "Zapytanie strategiczne");
    hold.Release();
    EXPECT_EQ(Entries(source), (std::vector<std::u8string>{u8"ADRESY.REK", u8"ADRESY.REKtemp08"}));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), (Bytes{1, 2, 3}));
}

TEST_F(WindowsTest, AFailedMoveToTheBackupNameLosesNothing) {
    // A folder in the way of the backup: there is no older backup to ask about, and the move
    // of the file to that name fails after the converted file has been written beside it.
    const Bytes file = AddressFile(2);
    WriteBytes(source / "ADRESY.REK", file);
    fs::create_directory(source / "ADRESY.REKtemp08");

    EXPECT_THROW(Convert("ADRESY.REK", source, source), FileError);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(Entries(source), (std::vector<std::u8string>{u8"ADRESY.REK", u8"ADRESY.REKtemp08"}));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_TRUE(fs::is_empty(source / "ADRESY.REKtemp08"));
}

TEST_F(WindowsTest, AFileHeldOpenByAnotherProgramIsLeftAsItWas) {
    const Bytes file = AddressFile(2);
    WriteBytes(source / "ADRESY.REK", file);

    // A source held open cannot be read, in place or into another folder; nothing is moved.
    {
        HeldOpen hold(source / "ADRESY.REK");
        ASSERT_TRUE(hold.held());
        EXPECT_THROW(Convert("ADRESY.REK", source, source), FileError);
        EXPECT_THROW(Convert("ADRESY.REK", source, dest), FileError);
    }
    EXPECT_EQ(Entries(source), std::vector<std::u8string>{u8"ADRESY.REK"});
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_TRUE(fs::is_empty(dest));

    // A destination held open cannot be replaced: it keeps its bytes, and the converted file
    // written beside it is gone.
    WriteBytes(dest / "ADRESY.REK", {7, 7});
    {
        HeldOpen hold(dest / "ADRESY.REK");
        ASSERT_TRUE(hold.held());
        EXPECT_THROW(Convert("ADRESY.REK", source, dest), FileError);
    }
    EXPECT_EQ(Entries(dest), std::vector<std::u8string>{u8"ADRESY.REK"});
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), (Bytes{7, 7}));
}

}  // namespace
}  // namespace konwpl
