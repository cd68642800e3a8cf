#include "convert/RecordEngine.h"

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

constexpr std::uint8_t kA_Mazovia = 0x86;  // ą
constexpr std::uint8_t kA_CP852 = 0xA5;
constexpr std::uint8_t kOpaque = 0x8F;  // Ą in Mazovia: a letter wherever it stands

// A record whose every byte is a Mazovia letter, and whose fields hold `length` characters.
Bytes LetterRecord(const RecordLayout& layout, std::uint8_t length) {
    Bytes record(layout.size, kOpaque);
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        record[offset] = std::min(length, capacity);
        std::fill_n(record.begin() + offset + 1, capacity, kA_Mazovia);
    });
    return record;
}

// What the record engine makes of LetterRecord from Mazovia to CP-852: the text converted, and
// every other byte, the characters after a field's length included, as it was.
Bytes Converted(const RecordLayout& layout, Bytes record) {
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        record[offset] = std::min(record[offset], capacity);
        std::fill_n(record.begin() + offset + 1, record[offset], kA_CP852);
    });
    return record;
}

Bytes Repeat(const Bytes& record, int times) {
    Bytes file;
    for (int i = 0; i < times; ++i) {
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

class RecordEngineTest : public ::testing::TestWithParam<Edition> {
protected:
    void SetUp() override {
        fs::create_directory(source);
        fs::create_directory(dest);
    }
    void TearDown() override { ClearFileFaults(); }

    const RecordLayout& layout() const { return *LayoutFor(tdAdresy, GetParam()); }

    std::optional<std::uint64_t> Convert(const fs::path& from, const fs::path& to) {
        return ConvertRecordFile("ADRESY.REK", from, to, layout(), dialog, convert);
    }

    TempDir temp;
    fs::path source = temp / "zrodlo";
    fs::path dest = temp / "cel";
    ScriptedDialog dialog;
    testing::FixedConvertText convert{PlCharset::Mazovia, PlCharset::CP852};
};

INSTANTIATE_TEST_SUITE_P(Editions, RecordEngineTest,
                         ::testing::Values(Edition::Standard, Edition::Export),
                         [](const auto& info) {
                             return info.param == Edition::Standard ? "standard" : "export";
                         });

TEST_P(RecordEngineTest, ConvertsIntoAnotherFolder) {
    // Lengths 0, 5 and above every capacity: only the current text is converted, and a length
    // above the capacity comes back as the capacity.
    const Bytes records[] = {LetterRecord(layout(), 0), LetterRecord(layout(), 5),
                             LetterRecord(layout(), 255)};
    Bytes file;
    Bytes expected;
    for (const Bytes& record : records) {
        file.insert(file.end(), record.begin(), record.end());
        const Bytes converted = Converted(layout(), record);
        expected.insert(expected.end(), converted.begin(), converted.end());
    }
    WriteBytes(source / "ADRESY.REK", file);

    EXPECT_EQ(Convert(source, dest), 3u);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), expected);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"ADRESY.REK"});
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(convert.calls, 3 * static_cast<int>(TextFieldCount(layout())));
}

TEST_P(RecordEngineTest, BytesAfterTheLastWholeRecordAreDropped) {
    Bytes file = Repeat(LetterRecord(layout(), 3), 2);
    file.insert(file.end(), 100, kA_Mazovia);
    WriteBytes(source / "ADRESY.REK", file);

    EXPECT_EQ(Convert(source, dest), 2u);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK").size(), 2u * layout().size);
}

TEST_P(RecordEngineTest, EmptySourceGivesEmptyDestination) {
    WriteBytes(source / "ADRESY.REK", {});
    EXPECT_EQ(Convert(source, dest), 0u);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), Bytes{});
}

TEST_P(RecordEngineTest, ReplacesAnExistingDestination) {
    WriteBytes(source / "ADRESY.REK", LetterRecord(layout(), 1));
    WriteBytes(dest / "ADRESY.REK", Bytes(5000, 0x11));
    Convert(source, dest);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), Converted(layout(), LetterRecord(layout(), 1)));
}

TEST_P(RecordEngineTest, InPlaceKeepsTheUnconvertedFileAsBackup) {
    const Bytes file = Repeat(LetterRecord(layout(), 7), 3);
    WriteBytes(source / "ADRESY.REK", file);

    EXPECT_EQ(Convert(source, source), 3u);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"),
              Repeat(Converted(layout(), LetterRecord(layout(), 7)), 3));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), file);
    EXPECT_EQ(FolderEntries(source), (std::vector<std::string>{"ADRESY.REK", "ADRESY.REKtemp08"}));
    EXPECT_TRUE(dialog.asked.empty());
}

TEST_P(RecordEngineTest, InPlaceWithAnOlderBackupAsksFirst) {
    const Bytes once = Converted(layout(), LetterRecord(layout(), 7));
    for (DialogAnswer answer : {DialogAnswer::No, DialogAnswer::Yes}) {
        WriteBytes(source / "ADRESY.REK", once);
        WriteBytes(source / "ADRESY.REKtemp08", {1, 2, 3});
        ScriptedDialog scripted({answer});

        const auto records =
            ConvertRecordFile("ADRESY.REK", source, source, layout(), scripted, convert);

        ASSERT_EQ(scripted.asked.size(), 1u);
        EXPECT_EQ(scripted.asked[0].caption, "Zapytanie strategiczne");
        EXPECT_EQ(scripted.asked[0].icon, DialogIcon::Question);
        EXPECT_EQ(scripted.asked[0].buttons, DialogButtons::YesNo);
        EXPECT_EQ(scripted.asked[0].text,
                  "Wykryto isttnienie kopii zapasowej pliku\r" +
                      (platform::UpperCasedPath(source / "ADRESY.REK") += "temp08").string() +
                      "\rOznacza to, że konwersja była już dokonana na tym pliku."
                      "\rCzy jesteś pewny, że chcesz usunąć istniejącą kopię pliku"
                      "\ri dokonać powtórnej konwersji?");
        if (answer == DialogAnswer::No) {
            EXPECT_FALSE(records);
            EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), once);
            EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), (Bytes{1, 2, 3}));
        } else {
            // The once-converted file becomes the backup and is converted once more; with
            // Mazovia to CP-852 the A5 of ą is Ń in Mazovia and becomes E3.
            EXPECT_EQ(records, 1u);
            EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), once);
            Bytes twice = once;
            ForEachTextField(layout(), [&](std::size_t offset, std::uint8_t) {
                std::fill_n(twice.begin() + offset + 1, twice[offset], 0xE3);
            });
            EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), twice);
        }
    }
}

TEST_P(RecordEngineTest, SameFolderUnderAnotherWrittenFormIsInPlace) {
    const Bytes file = LetterRecord(layout(), 4);
    WriteBytes(source / "ADRESY.REK", file);
    fs::create_directory(temp / "inny");

    // dir/../dir names the source folder without being its text.
    EXPECT_EQ(Convert(source, temp / "inny" / ".." / "zrodlo"), 1u);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), Converted(layout(), file));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), file);
}

TEST_P(RecordEngineTest, AReadOnlySourceConverts) {
    WriteBytes(source / "ADRESY.REK", LetterRecord(layout(), 2));
    fs::permissions(source / "ADRESY.REK", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(Convert(source, dest), 1u);
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), Converted(layout(), LetterRecord(layout(), 2)));
}

// Failures: each leaves the destination as it was and nothing half-written behind.

TEST_P(RecordEngineTest, AMissingSourceNamesTheFileAndTheReason) {
    try {
        Convert(source, dest);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file " + platform::UpperCasedPath(source / "ADRESY.REK").string() +
                      ": No such file or directory");
    }
    EXPECT_TRUE(FolderEntries(dest).empty());
}

TEST_P(RecordEngineTest, AnUnwritableDestinationLeavesNoFileBehind) {
    WriteBytes(source / "ADRESY.REK", Repeat(LetterRecord(layout(), 2), 3000));
    const Bytes before(10, 0x22);
    WriteBytes(dest / "ADRESY.REK", before);

    // A folder that is a file, and a write that fails half way (a full disk).
    WriteBytes(temp / "plik", {});
    EXPECT_THROW(Convert(source, temp / "plik"), FileError);
    InjectFileFault(FileStep::Write, 2);
    EXPECT_THROW(Convert(source, dest), FileError);
    InjectFileFault(FileStep::Flush);
    EXPECT_THROW(Convert(source, dest), FileError);

    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"ADRESY.REK"});
    EXPECT_EQ(ReadBytes(dest / "ADRESY.REK"), before);
}

TEST_P(RecordEngineTest, AFailureInPlaceLeavesTheOriginalUnderItsOwnName) {
    const Bytes file = Repeat(LetterRecord(layout(), 2), 3);
    struct Case {
        const char* name;
        FileStep step;
        int nth;
    };
    // A failed write, a failed move to the backup name, and a failed last rename after the
    // move: in each the file stands under its own name, unconverted, and no backup is made.
    for (const Case& failure :
         {Case{"write", FileStep::Write, 1}, Case{"backup move", FileStep::Rename, 1},
          Case{"last rename", FileStep::Rename, 2}}) {
        WriteBytes(source / "ADRESY.REK", file);
        InjectFileFault(failure.step, failure.nth);
        EXPECT_THROW(Convert(source, source), FileError) << failure.name;
        EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file) << failure.name;
        EXPECT_EQ(FolderEntries(source), std::vector<std::string>{"ADRESY.REK"}) << failure.name;
        ClearFileFaults();
    }
}

TEST_P(RecordEngineTest, AnOldBackupThatCannotBeDeletedStopsTheConversion) {
    const Bytes file = LetterRecord(layout(), 2);
    WriteBytes(source / "ADRESY.REK", file);
    WriteBytes(source / "ADRESY.REKtemp08", {9});
    InjectFileFault(FileStep::Remove);

    EXPECT_THROW(Convert(source, source), FileError);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REK"), file);
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), Bytes{9});
}

TEST_P(RecordEngineTest, ANameTooLongForTheFileSystemFails) {
    const fs::path name(std::string(300, 'A'));
    EXPECT_THROW(ConvertRecordFile(name, source, dest, layout(), dialog, convert), FileError);
    EXPECT_TRUE(FolderEntries(dest).empty());
}

#ifndef _WIN32
// Where letter case tells files apart, the folders are kept as written and only the file name
// is upper-cased.
TEST_P(RecordEngineTest, LetterCaseOnACaseSensitiveFileSystem) {
    const Bytes file = LetterRecord(layout(), 2);
    WriteBytes(source / "adresy.rek", file);

    // A new destination bears the upper-cased name.
    ASSERT_EQ(ConvertRecordFile("adresy.rek", source, dest, layout(), dialog, convert), 1u);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"ADRESY.REK"});

    // An existing destination in another letter case is the one replaced.
    fs::rename(dest / "ADRESY.REK", dest / "Adresy.Rek");
    ASSERT_EQ(ConvertRecordFile("adresy.rek", source, dest, layout(), dialog, convert), 1u);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"Adresy.Rek"});

    // In place the file keeps its name and the backup bears the upper-cased one.
    ASSERT_EQ(ConvertRecordFile("adresy.rek", source, source, layout(), dialog, convert), 1u);
    EXPECT_EQ(FolderEntries(source), (std::vector<std::string>{"ADRESY.REKtemp08", "adresy.rek"}));
    EXPECT_EQ(ReadBytes(source / "ADRESY.REKtemp08"), file);
}
#endif

}  // namespace
}  // namespace konwpl
