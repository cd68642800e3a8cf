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

// Indexed by type code.
// clang-format off
constexpr std::array<TypeEntry, kTypeCount> kTypes{{
    {"tdNone",         0, nullptr,          nullptr},
    {"tdSprzedaz",  4642, nullptr,          nullptr},
    {"tdSpKorekta", 9440, nullptr,          nullptr},
    {"tdGenerator", 5341, nullptr,          nullptr},
    {"tdNota",      2254, nullptr,          nullptr},
    {"tdMagazyn",    463, nullptr,          nullptr},
    {"tdMagazynID",  205, nullptr,          nullptr},
    {"tdWyroby",    2075, nullptr,          nullptr},
    {"tdZam",       4597, nullptr,          nullptr},
    {"tdReklam",    1680, nullptr,          nullptr},
    {"tdRuch",      4332, nullptr,          nullptr},
    {"tdZakup",     3941, nullptr,          nullptr},
    {"tdKpKw",       611, nullptr,          nullptr},
    {"tdBanki",      286, nullptr,          nullptr},
    {"tdOperBanki",  459, nullptr,          nullptr},
    {"tdRRK",        131, nullptr,          nullptr},
    {"tdPrzekazy",   300, nullptr,          nullptr},
    {"tdAdresy",     557, &kAdresyStandard, &kAdresyExport},
    {"tdKonfig",    3299, nullptr,          nullptr},
    {"tdNumXXXX",   1368, nullptr,          nullptr},
    {"tdRemanent",   178, nullptr,          nullptr},
    {"tdCalyPlik",     0, nullptr,          nullptr},
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
