#include "records/Layouts.h"

namespace konwpl::layouts {

namespace {

// tdAdresy (code 17): addresses, adresy.rek and dostawcy.rek; 557 bytes, 685 in the export
// edition. From field 6 on the export record is wider: 26 bytes without text (179 to 204) lie
// between fields 5 and 6, and fields 13 and 14 hold 40 characters instead of 30.
// clang-format off
constexpr std::array<EditionField, 17> kAdresyRows{{
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
    {   527,    655,        15,     15},  // 17
}};
// clang-format on

constexpr auto kAdresyFieldsStandard = FieldsOf(kAdresyRows, Edition::Standard);
constexpr auto kAdresyFieldsExport = FieldsOf(kAdresyRows, Edition::Export);

}  // namespace

constinit const RecordLayout kAdresyStandard{557, kAdresyFieldsStandard, {}};
constinit const RecordLayout kAdresyExport{685, kAdresyFieldsExport, {}};

}  // namespace konwpl::layouts
