// PlLetters: the eighteen Polish letters in the three 8-bit encodings that KV720 installations
// use, and the conversion of a byte string from one of them to another, letter by letter.
//
// Text is bytes throughout: no Unicode form is ever built. A byte that is not a Polish letter
// of the source encoding passes unchanged, and a string never changes its length.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace konwpl {

// The code of an encoding, a 16-bit number as KV720's own tools number them.
enum class PlCharset : std::uint16_t {
    Mazovia = 1,
    CP852 = 2,
    Win1250 = 4,
};

// One letter in each encoding. The rows below are in the order in which every KV720 tool lists
// them: ą ć ę ł ń ó ś ż ź, then the capitals; the dotted ż comes before the acute ź.
struct PolishLetter {
    const char* letter;  // UTF-8, for readers and test names only
    std::uint8_t mazovia;
    std::uint8_t cp852;
    std::uint8_t win1250;
};

// clang-format off
inline constexpr std::array<PolishLetter, 18> kPolishLetters{{
    //           Mazovia  CP-852  Windows-1250
    {"ą",          0x86,   0xA5,   0xB9},
    {"ć",          0x8D,   0x86,   0xE6},
    {"ę",          0x91,   0xA9,   0xEA},
    {"ł",          0x92,   0x88,   0xB3},
    {"ń",          0xA4,   0xE4,   0xF1},
    {"ó",          0xA2,   0xA2,   0xF3},  // the same byte in Mazovia and CP-852
    {"ś",          0x9E,   0x98,   0x9C},
    {"ż",          0xA7,   0xBE,   0xBF},
    {"ź",          0xA6,   0xAB,   0x9F},
    {"Ą",          0x8F,   0xA4,   0xA5},
    {"Ć",          0x95,   0x8F,   0xC6},
    {"Ę",          0x90,   0xA8,   0xCA},
    {"Ł",          0x9C,   0x9D,   0xA3},
    {"Ń",          0xA5,   0xE3,   0xD1},
    {"Ó",          0xA3,   0xE0,   0xD3},
    {"Ś",          0x98,   0x97,   0x8C},
    {"Ż",          0xA1,   0xBD,   0xAF},
    {"Ź",          0xA0,   0x8D,   0x8F},
}};
// clang-format on

inline constexpr std::array<PlCharset, 3> kPlCharsets{PlCharset::Mazovia, PlCharset::CP852,
                                                      PlCharset::Win1250};

// The byte of a letter in one encoding.
constexpr std::uint8_t LetterByte(const PolishLetter& letter, PlCharset charset) {
    switch (charset) {
        case PlCharset::Mazovia:
            return letter.mazovia;
        case PlCharset::CP852:
            return letter.cp852;
        case PlCharset::Win1250:
            return letter.win1250;
    }
    return 0;
}

// A 256-byte translation table: entry b is what byte b becomes. Within one encoding the 18
// bytes are all different, so each byte maps to at most one letter and the table gives the same
// result as looking each byte up in the letter table; a byte written once is never looked up
// again, because every byte of a string is translated exactly once.
using TranslationTable = std::array<std::uint8_t, 256>;

constexpr TranslationTable MakeTranslationTable(PlCharset from, PlCharset to) {
    TranslationTable table{};
    for (std::size_t b = 0; b < table.size(); ++b) {
        table[b] = static_cast<std::uint8_t>(b);
    }
    if (from != to) {
        for (const PolishLetter& letter : kPolishLetters) {
            table[LetterByte(letter, from)] = LetterByte(letter, to);
        }
    }
    return table;
}

// The table for a pair of encodings; all nine are built when the program is compiled.
const TranslationTable& TranslationFor(PlCharset from, PlCharset to);

// Translates every byte of `text` through `table`, in place.
inline void Translate(const TranslationTable& table, std::span<std::uint8_t> text) {
    for (std::uint8_t& byte : text) {
        byte = table[byte];
    }
}

// The encoding that text is converted from and the one it is converted to. Both are
// Windows-1250 when the program starts; a front end overwrites them before every conversion
// (ConvertTextWithSelectors), so the start values hold only while a selector has no entry.
extern PlCharset SourceCharset;
extern PlCharset TargetCharset;

// Converts `text` in place from SourceCharset to `target`. Nothing happens when the two are
// equal.
void ConvertPolishLetters(PlCharset target, std::span<std::uint8_t> text);
void ConvertPolishLetters(PlCharset target, std::string& text);

// Returns a converted copy of `text` from SourceCharset to TargetCharset; `text` is not changed.
std::string ConvertCopy(std::string_view text);

// The entries of the encoding selectors of every front end, in the order they are shown.
inline constexpr std::array<std::string_view, 3> kCharsetNames{"CP-852", "MAZovia", "WIN1250"};

// Maps the index of a selector entry to its encoding: 0 CP-852, 1 Mazovia, 2 Windows-1250. Any
// other index (a selector with no entry chosen) gives `current` back unchanged.
PlCharset CharsetForSelector(int index, PlCharset current);

// What every front end does when a conversion job hands it one text value: take the two
// selectors' indices into SourceCharset and TargetCharset, then convert `text` in place.
void ConvertTextWithSelectors(int sourceIndex, int targetIndex, std::span<std::uint8_t> text);

}  // namespace konwpl
