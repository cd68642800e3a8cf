#include "convert/PathNames.h"

#include <system_error>

namespace konwpl {

namespace fs = std::filesystem;

namespace {

char32_t UpperCaseLetter(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return c - 0x20;
    }
    // Latin-1: à..þ except the division sign; ÿ has its capital in Latin Extended-A.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return c - 0x20;
    }
    if (c == 0xFF) {
        return 0x178;
    }
    if (c == 0x131) {  // dotless ı, whose pair is the dotted İ
        return U'I';
    }
    // Latin Extended-A pairs capital and small letter; which of the two is even changes twice.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
        return (c & 1) ? c - 1 : c;
    }
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
        return (c & 1) ? c : c - 1;
    }
    if (c == 0x17F) {  // long ſ
        return U'S';
    }
    return c;
}

// Decodes the UTF-8 sequence at text[i] into c and moves i past it. A malformed sequence gives
// false, and i passes its first byte alone.
bool DecodeAt(std::u8string_view text, std::size_t& i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    bool valid = length != 0 && i + length <= text.size();
    c = length == 1 ? lead : lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; valid && k < length; ++k) {
        valid = (byte(i + k) & 0xC0) == 0x80;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    i += valid ? length : 1;
    return valid;
}

void Encode(char32_t c, std::u8string& out) {
    if (c < 0x80) {
        out += static_cast<char8_t>(c);
    } else if (c < 0x800) {
        out += static_cast<char8_t>(0xC0 | (c >> 6));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char8_t>(0xE0 | (c >> 12));
        out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char8_t>(0xF0 | (c >> 18));
        out += static_cast<char8_t>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u8string UpperCaseText(std::u8string_view text) {
    std::u8string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t at = i;
        char32_t c = 0;
        if (DecodeAt(text, i, c)) {
            Encode(UpperCaseLetter(c), out);
        } else {
            out += text[at];
        }
    }
    return out;
}

fs::path UpperCaseName(const fs::path& name) {
    return fs::path(UpperCaseText(name.u8string()));
}

fs::path::string_type TrimmedText(const fs::path& path) {
    const fs::path::string_type& text = path.native();
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned>(text[begin]) <= 0x20) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned>(text[end - 1]) <= 0x20) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string DisplayPath(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path FileInFolder(const fs::path& folder, const fs::path& upperName) {
    const fs::path exact = folder / upperName;
    std::error_code error;
    if (fs::exists(exact, error)) {
        return exact;
    }
    const std::u8string wanted = upperName.u8string();
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        if (UpperCaseText(name.u8string()) == wanted) {
            return folder / name;
        }
    }
    return exact;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

}  // namespace konwpl
