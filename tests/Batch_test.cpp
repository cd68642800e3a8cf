#include "convert/Batch.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "convert/FileError.h"
#include "convert/FileServices.h"
#include "convert/Platform.h"

namespace konwpl {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::ScriptedDialog;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t kAdresy = 557;

// An address file of `records` records whose first field holds ą in Mazovia.
Bytes AddressFile(std::size_t records, std::size_t extra = 0) {
    Bytes file(records * kAdresy + extra, 0x20);
    for (std::size_t r = 0; r < records; ++r) {
        file[r * kAdresy + 4] = 1;
        file[r * kAdresy + 5] = 0x86;
    }
    return file;
}

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(source);
        fs::create_directory(dest);
    }
    void TearDown() override { ClearFileFaults(); }

    std::vector<FileReport> Run(TTypDokumentu type, std::vector<fs::path> files, fs::path to,
                                Edition edition = Edition::Standard) {
        return RunBatch({type, std::move(files), std::move(to), edition}, dialog, convert);
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& question : dialog.asked) {
            captions.push_back(question.caption);
        }
        return captions;
    }

    TempDir temp;
    fs::path source = temp / "zrodlo";
    fs::path dest = temp / "cel";
    ScriptedDialog dialog;
    testing::FixedConvertText convert{PlCharset::Mazovia, PlCharset::CP852};
};

TEST_F(BatchTest, NoSelectionDoesNothing) {
    EXPECT_TRUE(Run(tdAdresy, {}, dest).empty());
    EXPECT_TRUE(dialog.asked.empty());
}

TEST_F(BatchTest, ACopyOntoItsOwnFolderIsRefusedForEachFile) {
    WriteBytes(source / "A.REK", {1});
    WriteBytes(source / "B.REK", {2});
    fs::create_directory(temp / "inny");
    // The folder's own text, with a final separator, through .. and through a link: different
    // texts for the same folder.
    std::vector<fs::path> sameFolder = {source, fs::path(source) += "/",
                                        temp / "inny" / ".." / "zrodlo"};
#ifndef _WIN32
    fs::create_directory_symlink(source, temp / "link");
    sameFolder.push_back(temp / "link");
#endif
    for (const fs::path& to : sameFolder) {
        dialog.asked.clear();
        const auto reports = Run(tdNone, {source / "A.REK", source / "B.REK"}, to);
        ASSERT_EQ(dialog.asked.size(), 2u) << to;
        EXPECT_EQ(dialog.asked[0].text, "Nie można nadpisać pliku na siebie!");
        EXPECT_EQ(dialog.asked[0].caption, "Błąd");
        EXPECT_EQ(dialog.asked[0].icon, DialogIcon::Warning);
        EXPECT_EQ(dialog.asked[0].buttons, DialogButtons::Ok);
        EXPECT_EQ(reports[1].outcome, FileOutcome::Skipped);
    }
    EXPECT_EQ(FolderEntries(source), (std::vector<std::string>{"A.REK", "B.REK"}));
    // A root folder is compared like any other, without touching the disk.
    dialog.asked.clear();
    Run(tdNone, {fs::path("/") / "konwpl-no-such-file"}, "/");
    EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
}

TEST_F(BatchTest, TheOverwriteQuestionSkipsOnlyItsFile) {
    for (const char* name : {"A.REK", "B.REK", "C.REK"}) {
        WriteBytes(source / name, AddressFile(1));
    }
    WriteBytes(dest / "B.REK", {9});
    dialog = ScriptedDialog({DialogAnswer::No});

    const auto reports =
        Run(tdAdresy, {source / "A.REK", source / "B.REK", source / "C.REK"}, dest);

    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].text, "Plik " + platform::UpperCasedPath(dest / "B.REK").string() +
                                        " już istnieje!\rCzy na pewno go nadpisać?!");
    EXPECT_EQ(dialog.asked[0].caption, "Pytanie zasadnicze");
    EXPECT_EQ(dialog.asked[0].icon, DialogIcon::Warning);
    EXPECT_EQ(dialog.asked[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Converted);
    EXPECT_EQ(reports[1].outcome, FileOutcome::Skipped);
    EXPECT_EQ(reports[2].outcome, FileOutcome::Converted);
    EXPECT_EQ(ReadBytes(dest / "B.REK"), Bytes{9});
    EXPECT_EQ(ReadBytes(dest / "C.REK")[5], 0xA5);

    // Yes replaces it.
    dialog = ScriptedDialog({DialogAnswer::Yes});
    Run(tdAdresy, {source / "B.REK"}, dest);
    EXPECT_EQ(ReadBytes(dest / "B.REK").size(), kAdresy);
}

TEST_F(BatchTest, InPlaceTheOverwriteQuestionNamesTheFileItself) {
    WriteBytes(source / "A.REK", AddressFile(1));
    dialog = ScriptedDialog({DialogAnswer::Yes});
    Run(tdAdresy, {source / "A.REK"}, source);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Pytanie zasadnicze"});
    EXPECT_EQ(ReadBytes(source / "A.REK")[5], 0xA5);
    EXPECT_EQ(ReadBytes(source / "A.REKtemp08")[5], 0x86);
}

TEST_F(BatchTest, TheStandardEditionAsksWhenTheSizeIsNoWholeNumberOfRecords) {
    WriteBytes(source / "DOBRY.REK", AddressFile(2));     // 1114 bytes
    WriteBytes(source / "ZLY.REK", AddressFile(2, 100));  // 1214 bytes
    const std::string question =
        "Nie wydaje mi się, żeby to był właściwy typ pliku.\r"
        "Czy na pewno chcesz dokonac konwersji za pomocą wybranego narzędzia\r"
        "na pliku ZLY.REK?";

    dialog = ScriptedDialog({DialogAnswer::No});
    auto reports = Run(tdAdresy, {source / "DOBRY.REK", source / "ZLY.REK"}, dest);
    ASSERT_EQ(dialog.asked.size(), 1u);
    EXPECT_EQ(dialog.asked[0].text, question);
    EXPECT_EQ(dialog.asked[0].caption, "Błąd");
    EXPECT_EQ(dialog.asked[0].buttons, DialogButtons::YesNo);
    EXPECT_EQ(reports[1].outcome, FileOutcome::Skipped);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"DOBRY.REK"});

    dialog = ScriptedDialog({DialogAnswer::Yes});
    reports = Run(tdAdresy, {source / "ZLY.REK"}, dest);
    EXPECT_EQ(reports[0].records, 2u);
    EXPECT_EQ(ReadBytes(dest / "ZLY.REK").size(), 2 * kAdresy);

    // The export edition never asks: its records are 685 bytes, and 1214 is no multiple.
    dialog = ScriptedDialog();
    fs::remove(dest / "ZLY.REK");
    reports = Run(tdAdresy, {source / "ZLY.REK"}, dest, Edition::Export);
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(reports[0].records, 1u);
}

TEST_F(BatchTest, TypesWithoutAConverterAreRefused) {
    WriteBytes(source / "X.REK", {});
    for (int code : {6, 19, 22, 255}) {
        dialog.asked.clear();
        const auto reports = Run(static_cast<TTypDokumentu>(code), {source / "X.REK"}, dest);
        ASSERT_EQ(dialog.asked.size(), 1u) << code;
        EXPECT_EQ(dialog.asked[0].text, "Błąd konwersji.");
        EXPECT_EQ(dialog.asked[0].caption, "Brak konwertera");
        EXPECT_EQ(dialog.asked[0].icon, DialogIcon::Error);
        EXPECT_EQ(dialog.asked[0].buttons, DialogButtons::Ok);
        EXPECT_EQ(reports[0].outcome, FileOutcome::Refused);
    }
    EXPECT_TRUE(FolderEntries(dest).empty());
}

TEST_F(BatchTest, CopyAndWholeTextDispatch) {
    WriteBytes(source / "A.TXT", {0x86, 0x0A});
    auto reports = Run(tdNone, {source / "A.TXT"}, dest);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Copied);
    EXPECT_EQ(ReadBytes(dest / "A.TXT"), (Bytes{0x86, 0x0A}));

    dialog = ScriptedDialog({DialogAnswer::Yes});  // overwrite
    reports = Run(tdCalyPlik, {source / "A.TXT"}, dest);
    EXPECT_EQ(reports[0].outcome, FileOutcome::Converted);
    EXPECT_EQ(ReadBytes(dest / "A.TXT"), (Bytes{0xA5, 0x0D, 0x0A}));
}

TEST_F(BatchTest, AFailureEndsTheBatchAndKeepsWhatWasDone) {
    for (const char* name : {"A.REK", "B.REK", "C.REK"}) {
        WriteBytes(source / name, AddressFile(1));
    }
    InjectFileFault(FileStep::OpenRead, 2);  // B.REK cannot be opened
    EXPECT_THROW(Run(tdAdresy, {source / "A.REK", source / "B.REK", source / "C.REK"}, dest),
                 FileError);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"A.REK"});
}

TEST_F(BatchTest, AVanishedFileIsAskedAboutAndThenReported) {
    // The size check finds no entry and asks; going on, the opening fails.
    EXPECT_THROW(Run(tdAdresy, {source / "BRAK.REK"}, dest), FileError);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
    // A copy that cannot read its source says so too.
    EXPECT_THROW(Run(tdNone, {source / "BRAK.REK"}, dest), FileError);
    EXPECT_TRUE(FolderEntries(dest).empty());
}

TEST(FileSizeTest, SizesAreSixtyFourBit) {
    TempDir temp;
    EXPECT_EQ(FileSizeOf(temp / "brak"), -1);
    EXPECT_FALSE(FitsRecordSize(temp / "brak", tdAdresy, Edition::Standard));
    EXPECT_TRUE(FitsRecordSize(temp / "brak", tdAdresy, Edition::Export));
    WriteBytes(temp / "pusty", {});
    EXPECT_TRUE(FitsRecordSize(temp / "pusty", tdAdresy, Edition::Standard));
    EXPECT_TRUE(FitsRecordSize(temp / "brak", tdCalyPlik, Edition::Standard));

    // A sparse file past 2 GiB: a whole number of address records, and one byte more.
    const std::uintmax_t big = 557ull * 3'856'000;  // 2 147 792 000 bytes
    WriteBytes(temp / "duzy", {});
    fs::resize_file(temp / "duzy", big);
    EXPECT_EQ(FileSizeOf(temp / "duzy"), static_cast<std::int64_t>(big));
    EXPECT_TRUE(FitsRecordSize(temp / "duzy", tdAdresy, Edition::Standard));
    fs::resize_file(temp / "duzy", big + 1);
    EXPECT_FALSE(FitsRecordSize(temp / "duzy", tdAdresy, Edition::Standard));
}

}  // namespace
}  // namespace konwpl
