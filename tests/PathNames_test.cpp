#include "convert/PathNames.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace konwpl {
namespace {

namespace fs = std::filesystem;

// Compared as plain strings: the GoogleTest of the system prints no char8_t strings.
std::string Text(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(PathNamesTest, UpperCasesAsciiLatin1AndLatinExtendedA) {
    const struct {
        std::u8string text;
        std::u8string expected;
    } cases[] = {
        {u8"adresy.rek", u8"ADRESY.REK"},
        {u8"zażółć gęślą jaźń", u8"ZAŻÓŁĆ GĘŚLĄ JAŹŃ"},
        {u8"àéîõüþÿ", u8"ÀÉÎÕÜÞŸ"},
        {u8"ăčďěğıĺľňőřşťůűž", u8"ĂČĎĚĞIĹĽŇŐŘŞŤŮŰŽ"},
        {u8"÷ß µ 1_-~ Ω ж", u8"÷ß µ 1_-~ Ω ж"},  // no capital here, or beyond the two blocks
        {u8"ŁÓDŹ", u8"ŁÓDŹ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(UpperCaseText(c.text)), Text(c.expected));
    }
    // A byte that is no UTF-8 passes as it is.
    EXPECT_EQ(Text(UpperCaseText(u8"a\xFF"
                                 "b")),
              "A\xFF"
              "B");
}

TEST(PathNamesTest, TrimmedTextDropsSpacesAndControlBytesAtBothEnds) {
    EXPECT_EQ(TrimmedText(fs::path(" \t/dane/X.REK \r")), fs::path("/dane/X.REK").native());
    EXPECT_EQ(TrimmedText(fs::path("   ")), fs::path().native());
}

TEST(PathNamesTest, FileInFolderFindsTheNameInAnyLetterCase) {
    testing::TempDir temp;
    EXPECT_EQ(FileInFolder(temp.path(), "ADRESY.REK"), temp / "ADRESY.REK");
    testing::WriteBytes(temp / "Adresy.rek", {});
    EXPECT_EQ(FileInFolder(temp.path(), "ADRESY.REK").filename(),
              fs::exists(temp / "ADRESY.REK") ? "ADRESY.REK" : "Adresy.rek");
    EXPECT_EQ(FileInFolder(temp / "none", "X"), temp / "none" / "X");
}

TEST(PathNamesTest, SameFileSeesThroughWrittenForms) {
    testing::TempDir temp;
    fs::create_directory(temp / "a");
    testing::WriteBytes(temp / "a" / "F", {});
    EXPECT_TRUE(SameFile(temp / "a" / "F", temp / "a" / ".." / "a" / "F"));
    EXPECT_FALSE(SameFile(temp / "a" / "F", temp / "a" / "G"));
}

}  // namespace
}  // namespace konwpl
