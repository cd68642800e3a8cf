#include "charset/PlLetters.h"

namespace konwpl {

PlCharset SourceCharset = PlCharset::Win1250;
PlCharset TargetCharset = PlCharset::Win1250;

namespace {

constexpr std::size_t IndexOf(PlCharset charset) {
    switch (charset) {
        case PlCharset::Mazovia:
            return 0;
        case PlCharset::CP852:
            return 1;
        case PlCharset::Win1250:
            return 2;
    }
    return 0;
}

constexpr std::array<std::array<TranslationTable, 3>, 3> MakeAllTables() {
    std::array<std::array<TranslationTable, 3>, 3> tables{};
    for (PlCharset from : kPlCharsets) {
        for (PlCharset to : kPlCharsets) {
            tables[IndexOf(from)][IndexOf(to)] = MakeTranslationTable(from, to);
        }
    }
    return tables;
}

constexpr auto kTables = MakeAllTables();

static_assert(kTables[IndexOf(PlCharset::Mazovia)][IndexOf(PlCharset::CP852)][0x86] == 0xA5);
static_assert(kTables[IndexOf(PlCharset::Mazovia)][IndexOf(PlCharset::CP852)][0xA5] == 0xE3,
              "a byte is translated once, never looked up a second time");

}  // namespace

const TranslationTable& TranslationFor(PlCharset from, PlCharset to) {
    return kTables[IndexOf(from)][IndexOf(to)];
}

void ConvertPolishLetters(PlCharset target, std::span<std::uint8_t> text) {
    if (target == SourceCharset) {
        return;
    }
    Translate(TranslationFor(SourceCharset, target), text);
}

void ConvertPolishLetters(PlCharset target, std::string& text) {
    ConvertPolishLetters(target,
                         std::span(reinterpret_cast<std::uint8_t*>(text.data()), text.size()));
}

std::string ConvertCopy(std::string_view text) {
    std::string copy(text);
    if (!copy.empty()) {
        ConvertPolishLetters(TargetCharset, copy);
    }
    return copy;
}

PlCharset CharsetForSelector(int index, PlCharset current) {
    switch (index) {
        case 0:
            return PlCharset::CP852;
        case 1:
            return PlCharset::Mazovia;
        case 2:
            return PlCharset::Win1250;
        default:
            return current;
    }
}

void ConvertTextWithSelectors(int sourceIndex, int targetIndex, std::span<std::uint8_t> text) {
    SourceCharset = CharsetForSelector(sourceIndex, SourceCharset);
    TargetCharset = CharsetForSelector(targetIndex, TargetCharset);
    ConvertPolishLetters(TargetCharset, text);
}

}  // namespace konwpl
