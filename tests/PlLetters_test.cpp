#include "charset/PlLetters.h"

#include <gtest/gtest.h>

#include <set>

#include "TestFiles.h"

namespace konwpl {
namespace {

using testing::Bytes;
using testing::BytesOf;

// SourceCharset is process-wide: each case sets what it needs and puts the start value back.
class PlLettersTest : public ::testing::Test {
protected:
    void TearDown() override {
        SourceCharset = PlCharset::Win1250;
        TargetCharset = PlCharset::Win1250;
    }

    static Bytes Converted(PlCharset from, PlCharset to, Bytes text) {
        SourceCharset = from;
        ConvertPolishLetters(to, std::span(text));
        return text;
    }
};

TEST_F(PlLettersTest, BothEncodingsStartAsWindows1250) {
    EXPECT_EQ(SourceCharset, PlCharset::Win1250);
    EXPECT_EQ(TargetCharset, PlCharset::Win1250);
}

struct Example {
    const char* name;
    PlCharset from;
    PlCharset to;
    Bytes text;
    Bytes expected;
};

TEST_F(PlLettersTest, KnownExamples) {
    const Example examples[] = {
        // The A5 that ą becomes is Ń in Mazovia, and is not converted a second time.
        {"ą Ń Mazovia to CP-852", PlCharset::Mazovia, PlCharset::CP852, {0x86, 0xA5}, {0xA5, 0xE3}},
        {"Zażółć Windows-1250 to CP-852",
         PlCharset::Win1250,
         PlCharset::CP852,
         {0x5A, 0x61, 0xBF, 0xF3, 0xB3, 0xE6},
         {0x5A, 0x61, 0xBE, 0xA2, 0x88, 0x86}},
        {"ó stays A2 Mazovia to CP-852", PlCharset::Mazovia, PlCharset::CP852, {0xA2}, {0xA2}},
        {"ó stays A2 CP-852 to Mazovia", PlCharset::CP852, PlCharset::Mazovia, {0xA2}, {0xA2}},
        // E4 is ń in CP-852 but no letter of Mazovia; going back turns it into Mazovia's ń.
        {"E4 left alone Mazovia to CP-852", PlCharset::Mazovia, PlCharset::CP852, {0xE4}, {0xE4}},
        {"E4 back CP-852 to Mazovia", PlCharset::CP852, PlCharset::Mazovia, {0xE4}, {0xA4}},
        {"empty", PlCharset::Mazovia, PlCharset::CP852, {}, {}},
    };
    for (const Example& example : examples) {
        EXPECT_EQ(Converted(example.from, example.to, example.text), example.expected)
            << example.name;
    }
}

TEST_F(PlLettersTest, EveryPairAgainstTheLetterTable) {
    Bytes all(256);
    for (int b = 0; b < 256; ++b) {
        all[b] = static_cast<std::uint8_t>(b);
    }
    for (PlCharset from : kPlCharsets) {
        for (PlCharset to : kPlCharsets) {
            Bytes expected = all;
            if (from != to) {
                for (const PolishLetter& letter : kPolishLetters) {
                    expected[LetterByte(letter, from)] = LetterByte(letter, to);
                }
            }
            const Bytes result = Converted(from, to, all);
            EXPECT_EQ(result, expected) << int(from) << " -> " << int(to);
            for (int b = 0; b < 0x80; ++b) {
                EXPECT_EQ(result[b], b) << "bytes below 80 never change";
            }
        }
    }
}

TEST_F(PlLettersTest, EachRowHoldsEighteenDifferentBytesAboveAscii) {
    for (PlCharset charset : kPlCharsets) {
        std::set<std::uint8_t> bytes;
        for (const PolishLetter& letter : kPolishLetters) {
            EXPECT_GE(LetterByte(letter, charset), 0x80) << letter.letter;
            bytes.insert(LetterByte(letter, charset));
        }
        EXPECT_EQ(bytes.size(), 18u) << int(charset);
    }
}

TEST_F(PlLettersTest, ARoundTripRestoresEveryLetter) {
    for (PlCharset from : kPlCharsets) {
        for (PlCharset to : kPlCharsets) {
            Bytes letters;
            for (const PolishLetter& letter : kPolishLetters) {
                letters.push_back(LetterByte(letter, from));
            }
            EXPECT_EQ(Converted(to, from, Converted(from, to, letters)), letters);
        }
    }
}

TEST_F(PlLettersTest, ConvertCopyUsesTheTargetAndLeavesTheArgument) {
    SourceCharset = PlCharset::Mazovia;
    TargetCharset = PlCharset::Win1250;
    const std::string original = "\x86x";
    EXPECT_EQ(ConvertCopy(original), "\xB9x");
    EXPECT_EQ(original, "\x86x");
    EXPECT_EQ(ConvertCopy(""), "");
}

TEST_F(PlLettersTest, SelectorIndicesMapToCharsets) {
    EXPECT_EQ(CharsetForSelector(0, PlCharset::Mazovia), PlCharset::CP852);
    EXPECT_EQ(CharsetForSelector(1, PlCharset::CP852), PlCharset::Mazovia);
    EXPECT_EQ(CharsetForSelector(2, PlCharset::CP852), PlCharset::Win1250);
    EXPECT_EQ(CharsetForSelector(-1, PlCharset::CP852), PlCharset::CP852);
    EXPECT_EQ(CharsetForSelector(3, PlCharset::Mazovia), PlCharset::Mazovia);
}

TEST_F(PlLettersTest, ConvertTextWithSelectorsReadsBothIndicesAtEveryCall) {
    Bytes text = {0x86};  // ą in Mazovia
    ConvertTextWithSelectors(1, 0, std::span(text));
    EXPECT_EQ(text, Bytes{0xA5});
    EXPECT_EQ(SourceCharset, PlCharset::Mazovia);
    EXPECT_EQ(TargetCharset, PlCharset::CP852);
    // No entry chosen in the source selector: the previous source stays in force.
    ConvertTextWithSelectors(-1, 2, std::span(text));
    EXPECT_EQ(text, Bytes{0xD1});  // A5 is Ń in Mazovia
    EXPECT_EQ(SourceCharset, PlCharset::Mazovia);
    EXPECT_EQ(TargetCharset, PlCharset::Win1250);
}

}  // namespace
}  // namespace konwpl
