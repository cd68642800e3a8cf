// Every layout run through the record engine: each text field of a record is converted exactly
// once, and the bytes that hold no text, as KV720 lays its records out, stay as they were read.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "TestFiles.h"
#include "convert/RecordEngine.h"
#include "records/REKORDY.h"

namespace konwpl {
namespace {

using testing::Bytes;

// Mazovia's ą, which CP-852 writes as 0xA5. Converted a second time, 0xA5 (Mazovia's Ń) would
// become 0xE3, so a field converted twice shows.
constexpr std::uint8_t kMazoviaA = 0x86;
constexpr std::uint8_t kCp852A = 0xA5;
// Mazovia's ę, the filler of the second record, whose fields are all empty.
constexpr std::uint8_t kMazoviaE = 0x91;

struct Case {
    TTypDokumentu type;
    Edition edition;
};

std::string CaseName(const Case& c) {
    return std::string(TypeName(c.type)) +
           (c.edition == Edition::Standard ? "_standard" : "_export");
}

void PrintTo(const Case& c, std::ostream* out) {
    *out << CaseName(c);
}

std::vector<Case> EveryLayout() {
    std::vector<Case> cases;
    for (int code = 0; code < kTypeCount; ++code) {
        for (Edition edition : {Edition::Standard, Edition::Export}) {
            if (LayoutFor(static_cast<TTypDokumentu>(code), edition) != nullptr) {
                cases.push_back({static_cast<TTypDokumentu>(code), edition});
            }
        }
    }
    return cases;
}

// Bytes first..last (counted from the start of the record) hold no text; with count > 1, the
// same bytes of `count` elements `stride` apart.
enum class In { Both, Standard, Export };
struct FreeBytes {
    TTypDokumentu type;
    In editions;
    std::uint16_t first;
    std::uint16_t last;
    std::uint16_t count = 1;
    std::uint16_t stride = 0;
};

// clang-format off
const std::vector<FreeBytes> kFreeBytes{
    {tdSprzedaz,  In::Both,      176,  182},
    {tdSprzedaz,  In::Standard, 4595, 4612},  // after the 40th element's last text, before field 12
    {tdSprzedaz,  In::Standard, 4638, 4641},
    {tdSprzedaz,  In::Export,   5939, 5961},
    {tdSpKorekta, In::Both,      616 + 71, 616 + 83, 80, 106},  // both groups, one run
    {tdGenerator, In::Standard,  543,  560},
    {tdGenerator, In::Export,    671,  688},
    {tdGenerator, In::Export,    179,  204},  // as in the export address record
    {tdNota,      In::Both,        0,    7},
    {tdZam,       In::Both,        8,    8},
    {tdZam,       In::Both,     4551, 4555},
    {tdReklam,    In::Both,      904, 1679},
    {tdRuch,      In::Standard, 4326, 4331},
    {tdRuch,      In::Export,   5574, 5611},
    // After an element's fourth text field; the 40th element's tail lies past the record.
    {tdRuch,      In::Standard,  376 + 89, 376 + 98,  39,  99},
    {tdRuch,      In::Export,    376 + 89, 376 + 130, 39, 131},
    {tdZakup,     In::Export,    184,  204},
    {tdZakup,     In::Standard, 3931, 3940},
    {tdZakup,     In::Export,   4313, 4329},
    {tdKpKw,      In::Both,      375 + 31, 375 + 58, 4, 59},
    {tdRemanent,  In::Both,        0,    3},
    {tdRemanent,  In::Both,       70,  127},
    {tdRemanent,  In::Both,      160,  177},
    {tdMagazyn,   In::Both,        0,    4},
    {tdMagazyn,   In::Both,      132,  136},
    {tdMagazyn,   In::Standard,  152,  462},
    {tdMagazyn,   In::Export,    152,  698},
    {tdWyroby,    In::Both,        0,    3},
    {tdWyroby,    In::Standard,  100,  294},
    {tdWyroby,    In::Export,    100,  530},
    {tdWyroby,    In::Standard,  295 + 53, 295 + 88, 20, 89},
    {tdWyroby,    In::Export,    531 + 53, 531 + 88, 20, 89},
    {tdWyroby,    In::Standard, 2039, 2074},
    {tdWyroby,    In::Export,   2275, 2310},
    {tdBanki,     In::Both,      217,  285},
    {tdOperBanki, In::Both,        0,    7},
    {tdOperBanki, In::Both,      322,  458},
    {tdRRK,       In::Both,        0,    7},
    {tdRRK,       In::Both,       70,   77},
    {tdRRK,       In::Both,      109,  120},
    {tdRRK,       In::Both,      130,  130},
    {tdPrzekazy,  In::Both,        0,    0},
    {tdPrzekazy,  In::Both,      191,  202},
    {tdPrzekazy,  In::Both,      283,  299},
    {tdAdresy,    In::Export,    179,  204},
    {tdKonfig,    In::Both,     1802, 3298},
};
// clang-format on

bool Applies(const FreeBytes& free, const Case& c) {
    return free.type == c.type &&
           (free.editions == In::Both ||
            (free.editions == In::Standard) == (c.edition == Edition::Standard));
}

// Two records: in the first every byte is Mazovia's ą and every field is full (its length is
// its capacity); in the second every byte is Mazovia's ę and every field is empty.
Bytes TwoRecords(const RecordLayout& layout) {
    Bytes file(2 * std::size_t{layout.size}, kMazoviaA);
    std::fill(file.begin() + layout.size, file.end(), kMazoviaE);
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        file[offset] = capacity;
        file[layout.size + offset] = 0;
    });
    return file;
}

// What the engine must make of TwoRecords: the characters of the first record's fields in
// CP-852, every other byte as it was.
Bytes Converted(const RecordLayout& layout, Bytes file) {
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(offset) + 1, capacity, kCp852A);
    });
    return file;
}

class LayoutsTest : public ::testing::TestWithParam<Case> {};

TEST_P(LayoutsTest, ConvertsEachFieldOnceAndNothingElse) {
    const Case c = GetParam();
    const RecordLayout& layout = *LayoutFor(c.type, c.edition);
    testing::TempDir source;
    testing::TempDir destination;
    const Bytes input = TwoRecords(layout);
    testing::WriteBytes(source / "REKORD.REK", input);

    testing::ScriptedDialog dialog;
    testing::FixedConvertText convert(PlCharset::Mazovia, PlCharset::CP852);
    const auto written =
        ConvertRecordFile("REKORD.REK", source.path(), destination.path(), layout, dialog, convert);
    ASSERT_EQ(written, std::optional<std::uint64_t>{2});
    EXPECT_TRUE(dialog.asked.empty());
    const Bytes output = testing::ReadBytes(EngineDestination("REKORD.REK", destination.path()));
    ASSERT_EQ(output.size(), input.size());

    const Bytes expected = Converted(layout, input);
    for (std::size_t b = 0; b < output.size(); ++b) {
        if (output[b] != expected[b]) {
            ADD_FAILURE() << "record " << b / layout.size << ", byte " << b % layout.size << ": 0x"
                          << std::hex << int{output[b]} << ", expected 0x" << int{expected[b]};
            break;
        }
    }
    // The second record's fields are empty: it comes out as it went in.
    EXPECT_TRUE(
        std::equal(output.begin() + layout.size, output.end(), input.begin() + layout.size));

    // Independently of the layout tables: the bytes that hold no text stay as read.
    for (const FreeBytes& free : kFreeBytes) {
        if (!Applies(free, c)) {
            continue;
        }
        for (std::size_t k = 0; k < free.count; ++k) {
            const std::size_t first = free.first + k * std::size_t{free.stride};
            const std::size_t last = free.last + k * std::size_t{free.stride};
            ASSERT_LT(last, layout.size) << "bytes " << first << " to " << last;
            for (std::size_t b = first; b <= last; ++b) {
                EXPECT_EQ(output[b], input[b]) << "byte " << b << " of a record holds no text";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTypeAndEdition, LayoutsTest, ::testing::ValuesIn(EveryLayout()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return CaseName(info.param);
                         });

}  // namespace
}  // namespace konwpl
