#include "records/Layouts.h"

namespace konwpl::layouts {

namespace {

// tdReklam (code 9): complaints, REKL2008.REK; 1680 bytes in both editions. Fields 1 to 8 are
// those of a correction note. An element is one 60-character field and nothing else, so bytes
// 359 to 785 are seven such fields in a row (groups 1 and 2), and field 12 follows directly.
// The last text field ends at byte 903; bytes 904 to 1679 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 14> kReklamFields{{
    // offset  capacity
    {     8,     10},  //  1
    {    23,     40},  //  2
    {    64,     40},  //  3
    {   105,     40},  //  4
    {   146,     20},  //  5
    {   167,      6},  //  6
    {   174,     20},  //  7
    {   195,     30},  //  8
    {   230,     40},  //  9
    {   271,     60},  // 10
    {   340,      6},  // 11
    {   786,     25},  // 12
    {   812,     30},  // 13
    {   843,     60},  // 14
}};

constexpr std::array<FieldSpec, 1> kReklamElement{{
    // offset  capacity
    {     0,     60},  // 1
}};

constexpr std::array<GroupSpec, 2> kReklamGroups{{
    // first  count  stride
    {   359,     5,    61,  kReklamElement},  // 1
    {   664,     2,    61,  kReklamElement},  // 2
}};
// clang-format on

// tdRuch (code 10): stock movements, PZ__2008.REK, WZ__2008.REK, MM__2008.REK, PW__2008.REK
// and RW__2008.REK; 4332 bytes, 5612 in the export edition, whose elements are 32 bytes longer,
// the extra bytes lying after an element's fourth text field; all else is the same. The first
// three text fields of an element are those of a sales element, the fourth lies at 76, not 71.
// The span of the 40th element runs 4 bytes past the end of the record (to 4335, or 5615), but
// its last text field ends at 4325 (5573): the last 6 (38) bytes of the record hold no text.
// clang-format off
constexpr std::array<FieldSpec, 12> kRuchFields{{
    // offset  capacity
    {     8,     10},  //  1
    {    23,     20},  //  2
    {    44,     40},  //  3
    {    85,     20},  //  4
    {   106,      6},  //  5
    {   113,     20},  //  6
    {   134,     30},  //  7
    {   165,     40},  //  8
    {   206,     23},  //  9
    {   230,     29},  // 10
    {   276,     40},  // 11
    {   317,     40},  // 12
}};

constexpr std::array<FieldSpec, 4> kRuchElement{{
    // offset  capacity
    {     0,     31},  // 1
    {    32,     10},  // 2
    {    43,      6},  // 3
    {    76,     12},  // 4
}};

constexpr EditionGroup kRuchGroup{
    //  first             count   stride
    //  standard export           standard export
        376,     376,     40,      99,     131,
};
// clang-format on

constexpr std::array kRuchGroupsStandard{GroupOf(kRuchGroup, Edition::Standard, kRuchElement)};
constexpr std::array kRuchGroupsExport{GroupOf(kRuchGroup, Edition::Export, kRuchElement)};

// tdZakup (code 11): purchase documents, ZAKUPY.REK and FVRR2008.REK; 3941 bytes, 4330 in the
// export edition (1 + 21 + 40 x 9 + 7 bytes more): there fields 1 to 5 lie 1 byte later, fields
// 6 to 13 and the elements 22 bytes later, and every element is 9 bytes longer, its fourth text
// field 9 bytes further in. Field 6 follows field 5 directly in the standard record; the
// export record has 21 bytes without text (184 to 204) between them. An element's fourth field
// fills the element's end; after the last element, the last 10 (export: 17) bytes of the
// record hold no text.
// clang-format off
constexpr std::array<EditionField, 13> kZakupRows{{
    //  offset            capacity
    //  standard export   standard export
    {     6,      7,        20,     20},  //  1
    {    39,     40,        40,     40},  //  2
    {    80,     81,        40,     40},  //  3
    {   121,    122,        40,     40},  //  4
    {   162,    163,        20,     20},  //  5
    {   183,    205,         6,      6},  //  6
    {   190,    212,        20,     20},  //  7
    {   211,    233,        30,     30},  //  8
    {   242,    264,        21,     21},  //  9
    {   264,    286,        26,     26},  // 10
    {   291,    313,        30,     30},  // 11
    {   322,    344,        30,     30},  // 12
    {   665,    687,         6,      6},  // 13
}};

constexpr std::array<EditionField, 4> kZakupElementRows{{
    //  offset            capacity
    //  standard export   standard export
    {     0,      0,        31,     31},  // 1
    {    32,     32,        10,     10},  // 2
    {    43,     43,         6,      6},  // 3
    {    68,     77,        12,     12},  // 4
}};

constexpr EditionGroup kZakupGroup{
    //  first             count   stride
    //  standard export           standard export
        691,     713,     40,      81,      90,
};
// clang-format on

constexpr auto kZakupFieldsStandard = FieldsOf(kZakupRows, Edition::Standard);
constexpr auto kZakupFieldsExport = FieldsOf(kZakupRows, Edition::Export);
constexpr auto kZakupElementStandard = FieldsOf(kZakupElementRows, Edition::Standard);
constexpr auto kZakupElementExport = FieldsOf(kZakupElementRows, Edition::Export);
constexpr std::array kZakupGroupsStandard{
    GroupOf(kZakupGroup, Edition::Standard, kZakupElementStandard)};
constexpr std::array kZakupGroupsExport{GroupOf(kZakupGroup, Edition::Export, kZakupElementExport)};

// tdKpKw (code 12): cash receipts and payments, KP__2008.REK and KW__2008.REK; 611 bytes in
// both editions. The four elements end exactly at the end of the record (375 + 4 x 59 = 611);
// only the first 31 bytes of each hold text, the other 28 none.
// clang-format off
constexpr std::array<FieldSpec, 9> kKpKwFields{{
    // offset  capacity
    {     8,     10},  // 1
    {    31,     40},  // 2
    {    72,     40},  // 3
    {   113,     40},  // 4
    {   154,     40},  // 5
    {   195,     20},  // 6
    {   216,      6},  // 7
    {   223,     20},  // 8
    {   244,     30},  // 9
}};

constexpr std::array<FieldSpec, 1> kKpKwElement{{
    // offset  capacity
    {     0,     30},  // 1
}};

constexpr std::array<GroupSpec, 1> kKpKwGroups{{
    // first  count  stride
    {   375,     4,    59,  kKpKwElement},  // 1
}};
// clang-format on

// tdRemanent (code 20): stock-taking files, *.rem; 178 bytes in both editions. Fields 1 to 4
// follow one another from byte 4 to byte 69; bytes 0 to 3, 70 to 127 and 160 to 177 hold no
// text.
// clang-format off
constexpr std::array<FieldSpec, 5> kRemanentFields{{
    // offset  capacity
    {     4,     31},  // 1
    {    36,     15},  // 2
    {    52,     10},  // 3
    {    63,      6},  // 4
    {   128,     31},  // 5
}};
// clang-format on

}  // namespace

constinit const RecordLayout kReklam{1680, kReklamFields, kReklamGroups};
constinit const RecordLayout kRuchStandard{4332, kRuchFields, kRuchGroupsStandard};
constinit const RecordLayout kRuchExport{5612, kRuchFields, kRuchGroupsExport};
constinit const RecordLayout kZakupStandard{3941, kZakupFieldsStandard, kZakupGroupsStandard};
constinit const RecordLayout kZakupExport{4330, kZakupFieldsExport, kZakupGroupsExport};
constinit const RecordLayout kKpKw{611, kKpKwFields, kKpKwGroups};
constinit const RecordLayout kRemanent{178, kRemanentFields, {}};

}  // namespace konwpl::layouts
