// The catalogue of record types: every layout lies inside its record without a shared byte,
// and each type has the sizes, field counts and placed fields that KV720's records have.
#include "records/REKORDY.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace konwpl {
namespace {

constexpr std::array<Edition, 2> kEditions{Edition::Standard, Edition::Export};

const char* EditionName(Edition edition) {
    return edition == Edition::Standard ? "standard" : "export";
}

TTypDokumentu Code(int code) {
    return static_cast<TTypDokumentu>(code);
}

// Walks every value a type code can take, in both editions. For each byte of a record it keeps
// the field that owns it, so an overlap names both fields.
TEST(REKORDYTest, EveryFieldLiesInsideItsRecordAndOwnsItsBytes) {
    for (int code = 0; code <= 255; ++code) {
        for (Edition edition : kEditions) {
            const RecordLayout* layout = LayoutFor(Code(code), edition);
            if (layout == nullptr) {
                continue;
            }
            const std::string where = std::string(TypeName(Code(code))) + " (" +
                                      EditionName(edition) + " edition), field at ";
            ASSERT_GT(layout->size, 0u) << TypeName(Code(code));
            std::vector<int> owner(layout->size, -1);
            ForEachTextField(*layout, [&](std::size_t offset, std::uint8_t capacity) {
                EXPECT_GE(capacity, 1) << where << offset << ": capacity 0";
                if (offset + capacity + 1 > layout->size) {
                    ADD_FAILURE() << where << offset << " (capacity " << int{capacity}
                                  << ") ends beyond the record of " << layout->size << " bytes";
                    return;
                }
                for (std::size_t b = offset; b <= offset + capacity; ++b) {
                    if (owner[b] >= 0) {
                        ADD_FAILURE() << where << offset << " shares byte " << b
                                      << " with the field at " << owner[b];
                        return;
                    }
                    owner[b] = static_cast<int>(offset);
                }
            });
            for (std::size_t i = 1; i < layout->fields.size(); ++i) {
                EXPECT_LT(layout->fields[i - 1].offset, layout->fields[i].offset)
                    << where << layout->fields[i].offset << ": fixed fields out of order";
            }
            for (std::size_t i = 1; i < layout->groups.size(); ++i) {
                EXPECT_LT(layout->groups[i - 1].first, layout->groups[i].first)
                    << TypeName(Code(code)) << " (" << EditionName(edition)
                    << " edition): groups out of order";
            }
        }
    }
}

// A text field that must stand at this offset with this capacity, fixed or in an element.
struct Placed {
    std::uint16_t offset;
    std::uint8_t capacity;
};

struct TypeFacts {
    TTypDokumentu type;
    std::uint16_t sizeStandard;
    std::uint16_t sizeExport;
    std::size_t textFields;  // per record, in either edition
    std::vector<Placed> placedStandard;
    std::vector<Placed> placedExport;
};

// clang-format off
const std::vector<TypeFacts> kFacts{
    //            size              text    placed fields {offset, capacity}
    //            standard  export  fields  standard, then export
    // Field 12, which the 40th element's span reaches into in the standard edition; field 13;
    // the 40th element's fourth field.
    {tdSprzedaz,     4642,   5962,   173,
        {{4613, 20}, {4634, 3}, {183, 20}, {4582, 12}},
        {{5914, 20}, {5935, 3}, {204, 20}, {4603, 12}}},
    // Field 6, the first element of group 2, field 16.
    {tdSpKorekta,    9440,   9440,   256,
        {{176, 6}, {4856, 31}, {9172, 3}},
        {{176, 6}, {4856, 31}, {9172, 3}}},
    // The address record's last field, the first element, fields 18 and 24.
    {tdGenerator,    5341,   5469,   184,
        {{527, 15}, {561, 31}, {4801, 30}, {5020, 19}},
        {{655, 15}, {689, 31}, {4929, 30}, {5148, 19}}},
    {tdNota,         2254,   2254,    23,
        {{226, 78}, {779, 78}, {1332, 23}},
        {{226, 78}, {779, 78}, {1332, 23}}},
    {tdZam,          4597,   4597,   170,
        {{9, 10}, {4556, 20}},
        {{9, 10}, {4556, 20}}},
    // The seven elements of capacity 60, field 14.
    {tdReklam,       1680,   1680,    21,
        {{359, 60}, {420, 60}, {481, 60}, {542, 60}, {603, 60}, {664, 60}, {725, 60}, {843, 60}},
        {{359, 60}, {420, 60}, {481, 60}, {542, 60}, {603, 60}, {664, 60}, {725, 60}, {843, 60}}},
    // The 40th element's fourth field.
    {tdRuch,         4332,   5612,   172,
        {{4313, 12}},
        {{5561, 12}}},
    // The 40th element's fourth field, field 6.
    {tdZakup,        3941,   4330,   173,
        {{3918, 12}, {183, 6}},
        {{4300, 12}, {205, 6}}},
    // The fourth element.
    {tdKpKw,          611,    611,    13,
        {{552, 30}},
        {{552, 30}}},
    {tdRemanent,      178,    178,     5,
        {{4, 31}, {63, 6}, {128, 31}},
        {{4, 31}, {63, 6}, {128, 31}}},
    {tdMagazyn,       463,    699,     7,
        {{5, 31}, {137, 14}},
        {{5, 31}, {137, 14}}},
    // The 20th element's third field, the first element.
    {tdWyroby,       2075,   2311,    65,
        {{2032, 6}, {295, 31}},
        {{2268, 6}, {531, 31}}},
    {tdBanki,         286,    286,     5,
        {{0, 50}, {166, 50}},
        {{0, 50}, {166, 50}}},
    {tdOperBanki,     459,    459,     8,
        {{8, 50}, {271, 50}},
        {{8, 50}, {271, 50}}},
    {tdRRK,           131,    131,     4,
        {{121, 8}},
        {{121, 8}}},
    // The five elements, fields 1 and 2.
    {tdPrzekazy,      300,    300,     7,
        {{1, 37}, {39, 37}, {77, 37}, {115, 37}, {153, 37}, {203, 39}, {243, 39}},
        {{1, 37}, {39, 37}, {77, 37}, {115, 37}, {153, 37}, {203, 39}, {243, 39}}},
    // Field 1, field 13, the last field.
    {tdAdresy,        557,    685,    17,
        {{4, 40}, {313, 30}, {527, 15}},
        {{4, 40}, {339, 40}, {655, 15}}},
    {tdKonfig,       3299,   3299,    42,
        {{0, 37}, {1789, 12}},
        {{0, 37}, {1789, 12}}},
};
// clang-format on

void PrintTo(const TypeFacts& facts, std::ostream* out) {
    *out << TypeName(facts.type);
}

bool HasField(const RecordLayout& layout, Placed wanted) {
    bool found = false;
    ForEachTextField(layout, [&](std::size_t offset, std::uint8_t capacity) {
        found = found || (offset == wanted.offset && capacity == wanted.capacity);
    });
    return found;
}

class REKORDYFactsTest : public ::testing::TestWithParam<TypeFacts> {};

TEST_P(REKORDYFactsTest, SizeFieldCountAndPlacedFields) {
    const TypeFacts& facts = GetParam();
    const RecordLayout* standard = LayoutFor(facts.type, Edition::Standard);
    const RecordLayout* eksport = LayoutFor(facts.type, Edition::Export);
    ASSERT_NE(standard, nullptr);
    ASSERT_NE(eksport, nullptr);

    EXPECT_EQ(standard->size, facts.sizeStandard);
    EXPECT_EQ(eksport->size, facts.sizeExport);
    EXPECT_EQ(ExpectedRecordSize(facts.type), facts.sizeStandard);
    EXPECT_EQ(TextFieldCount(*standard), facts.textFields);
    EXPECT_EQ(TextFieldCount(*eksport), facts.textFields);
    for (Placed placed : facts.placedStandard) {
        EXPECT_TRUE(HasField(*standard, placed))
            << "standard: no field at " << placed.offset << " of capacity " << int{placed.capacity};
    }
    for (Placed placed : facts.placedExport) {
        EXPECT_TRUE(HasField(*eksport, placed))
            << "export: no field at " << placed.offset << " of capacity " << int{placed.capacity};
    }
}

INSTANTIATE_TEST_SUITE_P(EveryType, REKORDYFactsTest, ::testing::ValuesIn(kFacts),
                         [](const ::testing::TestParamInfo<TypeFacts>& info) {
                             return std::string(TypeName(info.param.type));
                         });

TEST(REKORDYTest, TypesWithOneRecordShareOneLayout) {
    for (TTypDokumentu type : {tdSpKorekta, tdNota, tdZam, tdReklam, tdKpKw, tdRemanent, tdBanki,
                               tdOperBanki, tdRRK, tdPrzekazy, tdKonfig}) {
        EXPECT_EQ(LayoutFor(type, Edition::Standard), LayoutFor(type, Edition::Export))
            << TypeName(type);
    }
}

// The invoice template begins with the address record, edition by edition.
TEST(REKORDYTest, InvoiceTemplateBeginsWithTheAddressFields) {
    for (Edition edition : kEditions) {
        const RecordLayout& adresy = *LayoutFor(tdAdresy, edition);
        const RecordLayout& generator = *LayoutFor(tdGenerator, edition);
        ASSERT_EQ(adresy.fields.size(), 17u);
        ASSERT_GE(generator.fields.size(), 17u);
        for (std::size_t i = 0; i < adresy.fields.size(); ++i) {
            EXPECT_EQ(generator.fields[i].offset, adresy.fields[i].offset)
                << EditionName(edition) << ", field " << i + 1;
            EXPECT_EQ(generator.fields[i].capacity, adresy.fields[i].capacity)
                << EditionName(edition) << ", field " << i + 1;
        }
    }
}

TEST(REKORDYTest, NamesSizesAndTypesWithoutLayout) {
    // clang-format off
    struct Entry { std::string_view name; std::uint32_t size; bool layout; };
    constexpr std::array<Entry, kTypeCount> kEntries{{
        {"tdNone",         0, false},
        {"tdSprzedaz",  4642, true},
        {"tdSpKorekta", 9440, true},
        {"tdGenerator", 5341, true},
        {"tdNota",      2254, true},
        {"tdMagazyn",    463, true},
        {"tdMagazynID",  205, false},
        {"tdWyroby",    2075, true},
        {"tdZam",       4597, true},
        {"tdReklam",    1680, true},
        {"tdRuch",      4332, true},
        {"tdZakup",     3941, true},
        {"tdKpKw",       611, true},
        {"tdBanki",      286, true},
        {"tdOperBanki",  459, true},
        {"tdRRK",        131, true},
        {"tdPrzekazy",   300, true},
        {"tdAdresy",     557, true},
        {"tdKonfig",    3299, true},
        {"tdNumXXXX",   1368, false},
        {"tdRemanent",   178, true},
        {"tdCalyPlik",     0, false},
    }};
    // clang-format on
    for (int code = 0; code < kTypeCount; ++code) {
        const Entry& entry = kEntries[code];
        EXPECT_EQ(TypeName(Code(code)), entry.name) << "code " << code;
        EXPECT_EQ(ExpectedRecordSize(Code(code)), entry.size) << entry.name;
        for (Edition edition : kEditions) {
            EXPECT_EQ(LayoutFor(Code(code), edition) != nullptr, entry.layout)
                << entry.name << ", " << EditionName(edition);
        }
    }
    for (int code = kTypeCount; code <= 255; ++code) {
        EXPECT_EQ(TypeName(Code(code)), "") << "code " << code;
        EXPECT_EQ(ExpectedRecordSize(Code(code)), 0u) << "code " << code;
        for (Edition edition : kEditions) {
            EXPECT_EQ(LayoutFor(Code(code), edition), nullptr) << "code " << code;
        }
    }
}

}  // namespace
}  // namespace konwpl
