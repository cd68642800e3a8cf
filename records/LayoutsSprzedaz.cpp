#include "records/Layouts.h"

namespace konwpl::layouts {

namespace {

// One of the 40 elements of a sales document, an invoice template and an order: 106 bytes, text
// at 0, 32, 43 and 71; bytes 50 to 70 and 84 to 105 hold no text.
// clang-format off
constexpr std::array<FieldSpec, 4> kSalesElement{{
    // offset  capacity
    {     0,     31},  // 1
    {    32,     10},  // 2
    {    43,      6},  // 3
    {    71,     12},  // 4
}};
// clang-format on

// tdSprzedaz (code 1): sales documents, FAKT2008.REK, PARA2008.REK, RACH2008.REK and the
// pro-forma FAKT_PRO.REK and RACH_PRO.REK; 4642 bytes, 5962 in the export edition, which has
// 21 more bytes before field 6 and 1301 more before field 12. Bytes 176 to 182 hold no text:
// a correction or an order keeps a 6-character field there, a sales document does not.
// In the standard edition the 40th element spans bytes 4511 to 4616 and so reaches 4 bytes into
// field 12 (4613); its last text field ends at 4594. In the export edition the elements end at
// 4637, far before field 12 (5914).
// clang-format off
constexpr std::array<EditionField, 13> kSprzedazRows{{
    //  offset            capacity
    //  standard export   standard export
    {     8,      8,        10,     10},  //  1
    {    32,     32,        40,     40},  //  2
    {    73,     73,        40,     40},  //  3
    {   114,    114,        40,     40},  //  4
    {   155,    155,        20,     20},  //  5
    {   183,    204,        20,     20},  //  6
    {   204,    225,        30,     30},  //  7
    {   235,    256,        21,     21},  //  8
    {   257,    278,        19,     19},  //  9
    {   277,    298,        23,     23},  // 10
    {   301,    322,        29,     29},  // 11
    {  4613,   5914,        20,     20},  // 12
    {  4634,   5935,         3,      3},  // 13
}};

constexpr EditionGroup kSprzedazGroup{
    //  first             count   stride
    //  standard export           standard export
        377,     398,     40,     106,     106,
};
// clang-format on

constexpr auto kSprzedazFieldsStandard = FieldsOf(kSprzedazRows, Edition::Standard);
constexpr auto kSprzedazFieldsExport = FieldsOf(kSprzedazRows, Edition::Export);
constexpr std::array kSprzedazGroupsStandard{
    GroupOf(kSprzedazGroup, Edition::Standard, kSalesElement)};
constexpr std::array kSprzedazGroupsExport{GroupOf(kSprzedazGroup, Edition::Export, kSalesElement)};

// tdSpKorekta (code 2): sales corrections, FKOR2008.REK, PKOR2008.REK and RKOR2008.REK; 9440
// bytes in both editions. Two runs of 40 elements, the second straight after the first
// (616 + 40 x 106 = 4856) and ending at 9095. An element is as long as a sales element and
// keeps its first three text fields; bytes 71 to 83, where a sales element has its fourth, hold
// no text here.
// clang-format off
constexpr std::array<FieldSpec, 16> kSpKorektaFields{{
    // offset  capacity
    {     8,     10},  //  1
    {    32,     40},  //  2
    {    73,     40},  //  3
    {   114,     40},  //  4
    {   155,     20},  //  5
    {   176,      6},  //  6
    {   183,     20},  //  7
    {   204,     30},  //  8
    {   235,     21},  //  9
    {   257,     23},  // 10
    {   281,     29},  // 11
    {   342,     20},  // 12
    {   441,     40},  // 13
    {   490,     60},  // 14
    {   551,     60},  // 15
    {  9172,      3},  // 16
}};

constexpr std::array<FieldSpec, 3> kSpKorektaElement{{
    // offset  capacity
    {     0,     31},  // 1
    {    32,     10},  // 2
    {    43,      6},  // 3
}};

constexpr std::array<GroupSpec, 2> kSpKorektaGroups{{
    // first  count  stride
    {   616,    40,   106,  kSpKorektaElement},  // 1
    {  4856,    40,   106,  kSpKorektaElement},  // 2
}};
// clang-format on

// tdGenerator (code 3): the invoice template, SZABLON.REK; 5341 bytes, 5469 in the export
// edition. A template begins with an address record: fields 1 to 17 are the 17 fields of
// tdAdresy (LayoutsAdresy.cpp) at the same offsets and capacities in each edition, and the
// export edition widens them the same way, 128 bytes in all from field 17 on. The 40 elements
// start 4 bytes after the end of an address record (557 + 4, 685 + 4), and field 18 follows
// the last element directly (4801, 4929).
// clang-format off
constexpr std::array<EditionField, 24> kGeneratorRows{{
    //  offset            capacity
    //  standard export   standard export
    {     4,      4,        40,     40},  //  1
    {    45,     45,        40,     40},  //  2
    {    86,     86,        40,     40},  //  3
    {   127,    127,        37,     37},  //  4
    {   165,    165,        13,     13},  //  5
    {   179,    205,        20,     20},  //  6
    {   200,    226,        11,     11},  //  7
    {   212,    238,         6,      6},  //  8
    {   219,    245,        20,     20},  //  9
    {   240,    266,        30,     30},  // 10
    {   271,    297,        20,     20},  // 11
    {   292,    318,        20,     20},  // 12
    {   313,    339,        30,     40},  // 13
    {   344,    380,        30,     40},  // 14
    {   375,    421,        40,     40},  // 15
    {   416,    462,        40,     40},  // 16
    {   527,    655,        15,     15},  // 17  the last of the address record
    {  4801,   4929,        30,     30},  // 18
    {  4840,   4968,        12,     12},  // 19
    {  4853,   4981,        30,     30},  // 20
    {  4884,   5012,        30,     30},  // 21
    {  4917,   5045,        50,     50},  // 22
    {  4968,   5096,        50,     50},  // 23
    {  5020,   5148,        19,     19},  // 24
}};

constexpr EditionGroup kGeneratorGroup{
    //  first             count   stride
    //  standard export           standard export
        561,     689,     40,     106,     106,
};
// clang-format on

constexpr auto kGeneratorFieldsStandard = FieldsOf(kGeneratorRows, Edition::Standard);
constexpr auto kGeneratorFieldsExport = FieldsOf(kGeneratorRows, Edition::Export);
constexpr std::array kGeneratorGroupsStandard{
    GroupOf(kGeneratorGroup, Edition::Standard, kSalesElement)};
constexpr std::array kGeneratorGroupsExport{
    GroupOf(kGeneratorGroup, Edition::Export, kSalesElement)};

// tdNota (code 4): correction notes, NOTA2008.REK; 2254 bytes in both editions. Fields 2 to 8
// are those of a sales correction, each 9 bytes earlier. An element is one 78-character field
// and nothing else, so groups 1 and 2 and field 9 follow one another without a gap from byte
// 226 to byte 1355.
// clang-format off
constexpr std::array<FieldSpec, 9> kNotaFields{{
    // offset  capacity
    {     8,     10},  // 1
    {    23,     40},  // 2
    {    64,     40},  // 3
    {   105,     40},  // 4
    {   146,     20},  // 5
    {   167,      6},  // 6
    {   174,     20},  // 7
    {   195,     30},  // 8
    {  1332,     23},  // 9
}};

constexpr std::array<FieldSpec, 1> kNotaElement{{
    // offset  capacity
    {     0,     78},  // 1
}};

constexpr std::array<GroupSpec, 2> kNotaGroups{{
    // first  count  stride
    {   226,     7,    79,  kNotaElement},  // 1
    {   779,     7,    79,  kNotaElement},  // 2
}};
// clang-format on

// tdZam (code 8): orders, ZAMK2008.REK and ZAMM2008.REK; 4597 bytes in both editions. Field 1
// has its length byte at 9, not at 8 as in the other sales records: byte 8 holds no text.
// Fields 2 to 8 lie where a sales correction keeps its fields 2 to 8. The 40 elements end at
// 4550; field 10 starts at 4556.
// clang-format off
constexpr std::array<FieldSpec, 10> kZamFields{{
    // offset  capacity
    {     9,     10},  //  1
    {    32,     40},  //  2
    {    73,     40},  //  3
    {   114,     40},  //  4
    {   155,     20},  //  5
    {   176,      6},  //  6
    {   183,     20},  //  7
    {   204,     30},  //  8
    {   235,     70},  //  9
    {  4556,     20},  // 10
}};

constexpr std::array<GroupSpec, 1> kZamGroups{{
    // first  count  stride
    {   311,    40,   106,  kSalesElement},  // 1
}};
// clang-format on

}  // namespace

constinit const RecordLayout kSprzedazStandard{4642, kSprzedazFieldsStandard,
                                               kSprzedazGroupsStandard};
constinit const RecordLayout kSprzedazExport{5962, kSprzedazFieldsExport, kSprzedazGroupsExport};
constinit const RecordLayout kSpKorekta{9440, kSpKorektaFields, kSpKorektaGroups};
constinit const RecordLayout kGeneratorStandard{5341, kGeneratorFieldsStandard,
                                                kGeneratorGroupsStandard};
constinit const RecordLayout kGeneratorExport{5469, kGeneratorFieldsExport, kGeneratorGroupsExport};
constinit const RecordLayout kNota{2254, kNotaFields, kNotaGroups};
constinit const RecordLayout kZam{4597, kZamFields, kZamGroups};

}  // namespace konwpl::layouts
