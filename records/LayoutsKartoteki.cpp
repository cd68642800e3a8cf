#include "records/Layouts.h"

namespace konwpl::layouts {

namespace {

// tdMagazyn (code 5): the goods file, towar.rek; 463 bytes, 699 in the export edition, whose
// 236 further bytes hold no text: the seven fields are the same in both. Fields 1 to 6 follow
// one another from byte 5 to byte 131, field 7 occupies 137 to 151; bytes 0 to 4, 132 to 136
// and 152 to the end of the record hold no text.
// clang-format off
constexpr std::array<FieldSpec, 7> kMagazynFields{{
    // offset  capacity
    {     5,     31},  // 1
    {    37,     31},  // 2
    {    69,     12},  // 3
    {    82,     10},  // 4
    {    93,      6},  // 5
    {   100,     31},  // 6
    {   137,     14},  // 7
}};
// clang-format on

// tdWyroby (code 7): products, WYROB.REK; 2075 bytes, 2311 in the export edition. The five
// fixed fields, the same in both, follow one another from byte 4 to byte 99. The export
// edition's 236 further bytes lie before the elements, which in both editions end exactly at
// the end of the record (295 + 20 x 89 = 2075, 531 + 20 x 89 = 2311). Bytes 53 to 88 of every
// element hold no text.
// clang-format off
constexpr std::array<FieldSpec, 5> kWyrobyFields{{
    // offset  capacity
    {     4,     31},  // 1
    {    36,     13},  // 2
    {    50,     10},  // 3
    {    61,      6},  // 4
    {    68,     31},  // 5
}};

constexpr std::array<FieldSpec, 3> kWyrobyElement{{
    // offset  capacity
    {     0,     31},  // 1
    {    32,     13},  // 2
    {    46,      6},  // 3
}};

constexpr EditionGroup kWyrobyGroup{
    //  first             count   stride
    //  standard export           standard export
        295,     531,     20,      89,      89,
};
// clang-format on

constexpr std::array kWyrobyGroupsStandard{
    GroupOf(kWyrobyGroup, Edition::Standard, kWyrobyElement)};
constexpr std::array kWyrobyGroupsExport{GroupOf(kWyrobyGroup, Edition::Export, kWyrobyElement)};

// tdBanki (code 13): the list of banks, BANKI.REK; 286 bytes in both editions. The record
// starts with the length byte of field 1, and the five fields follow one another up to byte
// 216; bytes 217 to 285 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 5> kBankiFields{{
    // offset  capacity
    {     0,     50},  // 1
    {    51,     50},  // 2
    {   102,     50},  // 3
    {   153,     12},  // 4
    {   166,     50},  // 5
}};
// clang-format on

// tdOperBanki (code 14): bank operations, PLIK_BAN.REK; 459 bytes in both editions. The eight
// fields follow one another from byte 8 to byte 321; bytes 0 to 7 and 322 to 458 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 8> kOperBankiFields{{
    // offset  capacity
    {     8,     50},  // 1
    {    59,     50},  // 2
    {   110,      6},  // 3
    {   117,     20},  // 4
    {   138,     30},  // 5
    {   169,     50},  // 6
    {   220,     50},  // 7
    {   271,     50},  // 8
}};
// clang-format on

// tdRRK (code 15): the cash report register, KASA.REK; 131 bytes in both editions. Bytes 0 to
// 7, 70 to 77, 109 to 120 and the last byte, 130, hold no text.
// clang-format off
constexpr std::array<FieldSpec, 4> kRRKFields{{
    // offset  capacity
    {     8,     30},  // 1
    {    39,     30},  // 2
    {    78,     30},  // 3
    {   121,      8},  // 4
}};
// clang-format on

// tdPrzekazy (code 16): money transfer forms, BDW.REK, PBANK.REK and PPOST.REK; 300 bytes in
// both editions. An element is one 37-character field and nothing else: five of them in a row
// from byte 1 to byte 190. Byte 0, bytes 191 to 202 and 283 to 299 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 2> kPrzekazyFields{{
    // offset  capacity
    {   203,     39},  // 1
    {   243,     39},  // 2
}};

constexpr std::array<FieldSpec, 1> kPrzekazyElement{{
    // offset  capacity
    {     0,     37},  // 1
}};

constexpr std::array<GroupSpec, 1> kPrzekazyGroups{{
    // first  count  stride
    {     1,     5,    38,  kPrzekazyElement},  // 1
}};
// clang-format on

// tdKonfig (code 18): the configuration, KV720.CNF; 3299 bytes in both editions. Fields 1 to
// 10 follow one another from byte 0 to byte 302. The last field ends at byte 1801; bytes 1802
// to 3298 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 42> kKonfigFields{{
    // offset  capacity
    {     0,     37},  //  1
    {    38,     40},  //  2
    {    79,     40},  //  3
    {   120,     40},  //  4
    {   161,     20},  //  5
    {   182,      6},  //  6
    {   189,     20},  //  7
    {   210,     30},  //  8
    {   241,     30},  //  9
    {   272,     30},  // 10
    {   316,     20},  // 11
    {   367,     15},  // 12
    {   383,     15},  // 13
    {   399,     15},  // 14
    {   415,     15},  // 15
    {   517,     35},  // 16
    {   559,     12},  // 17
    {   584,     12},  // 18
    {   605,     12},  // 19
    {   652,     12},  // 20
    {   809,     35},  // 21
    {   904,     40},  // 22
    {   945,     40},  // 23
    {   986,     40},  // 24
    {  1054,     30},  // 25
    {  1085,     30},  // 26
    {  1123,     12},  // 27
    {  1160,      6},  // 28
    {  1178,     25},  // 29
    {  1221,     12},  // 30
    {  1238,     10},  // 31
    {  1377,     50},  // 32
    {  1550,     40},  // 33
    {  1591,     20},  // 34
    {  1612,     20},  // 35
    {  1633,     20},  // 36
    {  1654,     10},  // 37
    {  1681,     60},  // 38
    {  1750,     12},  // 39
    {  1763,     12},  // 40
    {  1776,     12},  // 41
    {  1789,     12},  // 42
}};
// clang-format on

}  // namespace

constinit const RecordLayout kMagazynStandard{463, kMagazynFields, {}};
constinit const RecordLayout kMagazynExport{699, kMagazynFields, {}};
constinit const RecordLayout kWyrobyStandard{2075, kWyrobyFields, kWyrobyGroupsStandard};
constinit const RecordLayout kWyrobyExport{2311, kWyrobyFields, kWyrobyGroupsExport};
constinit const RecordLayout kBanki{286, kBankiFields, {}};
constinit const RecordLayout kOperBanki{459, kOperBankiFields, {}};
constinit const RecordLayout kRRK{131, kRRKFields, {}};
constinit const RecordLayout kPrzekazy{300, kPrzekazyFields, kPrzekazyGroups};
constinit const RecordLayout kKonfig{3299, kKonfigFields, {}};

}  // namespace konwpl::layouts
