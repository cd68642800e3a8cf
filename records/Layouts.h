// The layout tables of every record type, one object per type and edition. Only the catalogue
// (REKORDY.cpp) and the tests look at these names; everyone else asks LayoutFor.
#pragma once

#include "records/REKORDY.h"

namespace konwpl::layouts {

// Addresses (LayoutsAdresy.cpp).
extern const RecordLayout kAdresyStandard;
extern const RecordLayout kAdresyExport;

}  // namespace konwpl::layouts
