#include "cli/CliArgs.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace konwpl::cli {

namespace {

// ASCII only: every name here is ASCII, and a byte above 0x7F must not match anything.
bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<TTypDokumentu> ParseCode(std::string_view text) {
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    int code = 0;
    for (char c : text) {
        code = code * 10 + (c - '0');
    }
    if (code > 255) {
        return std::nullopt;
    }
    return static_cast<TTypDokumentu>(code);
}

struct CharsetAlias {
    std::string_view name;
    PlCharset charset;
};

constexpr std::array<CharsetAlias, 5> kCharsetAliases{{
    {"CP-852", PlCharset::CP852},
    {"cp852", PlCharset::CP852},
    {"MAZovia", PlCharset::Mazovia},
    {"WIN1250", PlCharset::Win1250},
    {"cp1250", PlCharset::Win1250},
}};

// What a type code does when it is not a record conversion.
std::string_view TypeNote(TTypDokumentu type) {
    switch (type) {
        case tdNone:
            return "  (copy without conversion)";
        case tdMagazynID:
        case tdNumXXXX:
            return "  (no converter: refused)";
        case tdCalyPlik:
            return "  (the whole file as text)";
        default:
            return {};
    }
}

}  // namespace

std::optional<TTypDokumentu> ParseDocumentType(std::string_view text) {
    if (const std::optional<TTypDokumentu> code = ParseCode(text)) {
        return code;
    }
    constexpr std::string_view kPrefix = "td";
    for (int code = 0; code < kTypeCount; ++code) {
        const auto type = static_cast<TTypDokumentu>(code);
        const std::string_view name = TypeName(type);
        if (SameLetters(text, name) ||
            (name.starts_with(kPrefix) && SameLetters(text, name.substr(kPrefix.size())))) {
            return type;
        }
    }
    return std::nullopt;
}

std::optional<PlCharset> ParseCharset(std::string_view text) {
    for (const CharsetAlias& alias : kCharsetAliases) {
        if (SameLetters(text, alias.name)) {
            return alias.charset;
        }
    }
    return std::nullopt;
}

std::string_view CharsetName(PlCharset charset) {
    switch (charset) {
        case PlCharset::CP852:
            return kCharsetNames[0];
        case PlCharset::Mazovia:
            return kCharsetNames[1];
        case PlCharset::Win1250:
            return kCharsetNames[2];
    }
    return {};
}

std::string TypeTable() {
    std::string table;
    for (int code = 0; code < kTypeCount; ++code) {
        const std::string number = std::to_string(code);
        table += std::string(4 - number.size(), ' ') + number + "  ";
        table += TypeName(static_cast<TTypDokumentu>(code));
        table += TypeNote(static_cast<TTypDokumentu>(code));
        table += '\n';
    }
    return table;
}

}  // namespace konwpl::cli
