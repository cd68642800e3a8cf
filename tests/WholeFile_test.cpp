#include "convert/WholeFile.h"

#include <gtest/gtest.h>

#include "TestFiles.h"
#include "convert/FileError.h"
#include "convert/FileServices.h"

namespace konwpl {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::FolderEntries;
using testing::ReadBytes;
using testing::ScriptedDialog;
using testing::TempDir;
using testing::WriteBytes;

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(source);
        fs::create_directory(dest);
    }
    void TearDown() override { ClearFileFaults(); }

    Bytes ConvertedText(const Bytes& file, PlCharset from = PlCharset::Mazovia,
                        PlCharset to = PlCharset::Win1250) {
        WriteBytes(source / "PLIK.TXT", file);
        testing::FixedConvertText convert(from, to);
        ConvertWholeText("PLIK.TXT", source, dest, dialog, convert);
        return ReadBytes(dest / "PLIK.TXT");
    }

    TempDir temp;
    fs::path source = temp / "zrodlo";
    fs::path dest = temp / "cel";
    ScriptedDialog dialog;
};

TEST_F(WholeFileTest, RewritesEveryLineBreakAsCrLf) {
    const struct {
        const char* name;
        Bytes file;
        Bytes expected;
    } cases[] = {
        {"lone LF", {0x61, 0x0A, 0x62}, {0x61, 0x0D, 0x0A, 0x62, 0x0D, 0x0A}},
        {"LF then CR is two breaks",
         {0x61, 0x0A, 0x0D, 0x62},
         {0x61, 0x0D, 0x0A, 0x0D, 0x0A, 0x62, 0x0D, 0x0A}},
        {"CR LF and lone CR", {0x61, 0x0D, 0x0A, 0x62, 0x0D}, {0x61, 0x0D, 0x0A, 0x62, 0x0D, 0x0A}},
        {"empty file stays empty", {}, {}},
        {"letters converted", {0x86, 0x0D, 0x0A}, {0xB9, 0x0D, 0x0A}},
        // 00 is an ordinary byte of a line: nothing after it is lost.
        {"00 bytes kept",
         {0x00, 0x86, 0x00, 0x0A, 0x00},
         {0x00, 0xB9, 0x00, 0x0D, 0x0A, 0x00, 0x0D, 0x0A}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ConvertedText(c.file), c.expected) << c.name;
    }
}

TEST_F(WholeFileTest, ACrLfSplitBetweenTwoReadBlocksStaysOneBreak) {
    // The CR is the last byte of the first block, the LF the first of the second.
    Bytes file(kTextBlockBytes + 2, 0x86);
    file[kTextBlockBytes - 1] = 0x0D;
    file[kTextBlockBytes] = 0x0A;
    file[kTextBlockBytes + 1] = 0x62;
    Bytes expected(kTextBlockBytes + 4, 0xB9);
    expected[kTextBlockBytes - 1] = 0x0D;
    expected[kTextBlockBytes] = 0x0A;
    expected[kTextBlockBytes + 1] = 0x62;
    expected[kTextBlockBytes + 2] = 0x0D;
    expected[kTextBlockBytes + 3] = 0x0A;
    EXPECT_EQ(ConvertedText(file), expected);
}

TEST_F(WholeFileTest, InPlaceRunsTheBackupProtocol) {
    const Bytes file = {0x86, 0x0A};
    WriteBytes(source / "PLIK.TXT", file);
    WriteBytes(source / "PLIK.TXTtemp08", {1});
    testing::FixedConvertText convert(PlCharset::Mazovia, PlCharset::CP852);
    ScriptedDialog yes({DialogAnswer::Yes});

    EXPECT_TRUE(ConvertWholeText("PLIK.TXT", source, source, yes, convert));
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].caption, "Zapytanie strategiczne");
    EXPECT_EQ(ReadBytes(source / "PLIK.TXT"), (Bytes{0xA5, 0x0D, 0x0A}));
    EXPECT_EQ(ReadBytes(source / "PLIK.TXTtemp08"), file);
}

TEST_F(WholeFileTest, AFailedWriteLeavesTheDestinationAsItWas) {
    WriteBytes(dest / "PLIK.TXT", {7, 7});
    InjectFileFault(FileStep::Write);
    EXPECT_THROW(ConvertedText({0x61, 0x0A}), FileError);
    EXPECT_EQ(FolderEntries(dest), std::vector<std::string>{"PLIK.TXT"});
    EXPECT_EQ(ReadBytes(dest / "PLIK.TXT"), (Bytes{7, 7}));
}

TEST_F(WholeFileTest, CopyWithoutConversionIsExactAndReplaces) {
    Bytes file(3 * 1024 * 1024 + 5);
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<std::uint8_t>(i * 7);
    }
    WriteBytes(source / "dane.bin", file);
    fs::permissions(source / "dane.bin", fs::perms::owner_read);
    WriteBytes(dest / "dane.bin", {1, 2, 3});

    CopyWithoutConversion("dane.bin", source, dest);
    EXPECT_EQ(ReadBytes(dest / "dane.bin"), file);
}

TEST_F(WholeFileTest, AFailedCopyIsReportedAndLeavesNothingBehind) {
    EXPECT_THROW(CopyWithoutConversion("brak.bin", source, dest), FileError);  // source gone
    WriteBytes(source / "dane.bin", {1, 2, 3});
    WriteBytes(temp / "plik", {});
    EXPECT_THROW(CopyWithoutConversion("dane.bin", source, temp / "plik"), FileError);
    InjectFileFault(FileStep::Flush);
    EXPECT_THROW(CopyWithoutConversion("dane.bin", source, dest), FileError);
    EXPECT_TRUE(FolderEntries(dest).empty());
}

}  // namespace
}  // namespace konwpl
