#include "records/REKORDY.h"

#include "records/Layouts.h"

namespace konwpl {

namespace {

struct TypeEntry {
    std::string_view name;
    std::uint32_t standardSize;  // 0: no size check
    const RecordLayout* standard;
    const RecordLayout* eksport;
};

using namespace layouts;

// Indexed by type code. A type whose record is the same in both editions points both columns
// at the one layout; tdMagazynID and tdNumXXXX have a size for the check but no layout.
// clang-format off
constexpr std::array<TypeEntry, kTypeCount> kTypes{{
    {"tdNone",         0, nullptr,             nullptr},
    {"tdSprzedaz",  4642, &kSprzedazStandard,  &kSprzedazExport},
    {"tdSpKorekta", 9440, &kSpKorekta,         &kSpKorekta},
    {"tdGenerator", 5341, &kGeneratorStandard, &kGeneratorExport},
    {"tdNota",      2254, &kNota,              &kNota},
    {"tdMagazyn",    463, &kMagazynStandard,   &kMagazynExport},
    {"tdMagazynID",  205, nullptr,             nullptr},
    {"tdWyroby",    2075, &kWyrobyStandard,    &kWyrobyExport},
    {"tdZam",       4597, &kZam,               &kZam},
    {"tdReklam",    1680, &kReklam,            &kReklam},
    {"tdRuch",      4332, &kRuchStandard,      &kRuchExport},
    {"tdZakup",     3941, &kZakupStandard,     &kZakupExport},
    {"tdKpKw",       611, &kKpKw,              &kKpKw},
    {"tdBanki",      286, &kBanki,             &kBanki},
    {"tdOperBanki",  459, &kOperBanki,         &kOperBanki},
    {"tdRRK",        131, &kRRK,               &kRRK},
    {"tdPrzekazy",   300, &kPrzekazy,          &kPrzekazy},
    {"tdAdresy",     557, &kAdresyStandard,    &kAdresyExport},
    {"tdKonfig",    3299, &kKonfig,            &kKonfig},
    {"tdNumXXXX",   1368, nullptr,             nullptr},
    {"tdRemanent",   178, &kRemanent,          &kRemanent},
    {"tdCalyPlik",     0, nullptr,             nullptr},
}};
// clang-format on

}  // namespace

std::string_view TypeName(TTypDokumentu type) {
    return type < kTypes.size() ? kTypes[type].name : std::string_view{};
}

const RecordLayout* LayoutFor(TTypDokumentu type, Edition edition) {
    if (type >= kTypes.size()) {
        return nullptr;
    }
    return edition == Edition::Standard ? kTypes[type].standard : kTypes[type].eksport;
}

std::uint32_t ExpectedRecordSize(TTypDokumentu type) {
    return type < kTypes.size() ? kTypes[type].standardSize : 0;
}

}  // namespace konwpl
