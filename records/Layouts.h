// The layout tables of every record type, one object per type and edition. Only the catalogue
// (REKORDY.cpp) and the tests look at these names; everyone else asks LayoutFor. A type whose
// record is the same in both editions has one object, which the catalogue gives for both.
#pragma once

#include "records/REKORDY.h"

namespace konwpl::layouts {

// Addresses (LayoutsAdresy.cpp).
extern const RecordLayout kAdresyStandard;
extern const RecordLayout kAdresyExport;

// Sales documents (LayoutsSprzedaz.cpp).
extern const RecordLayout kSprzedazStandard;
extern const RecordLayout kSprzedazExport;
extern const RecordLayout kSpKorekta;
extern const RecordLayout kGeneratorStandard;
extern const RecordLayout kGeneratorExport;
extern const RecordLayout kNota;
extern const RecordLayout kZam;

// Stock, purchase, cash and complaints (LayoutsMagazyn.cpp).
extern const RecordLayout kReklam;
extern const RecordLayout kRuchStandard;
extern const RecordLayout kRuchExport;
extern const RecordLayout kZakupStandard;
extern const RecordLayout kZakupExport;
extern const RecordLayout kKpKw;
extern const RecordLayout kRemanent;

// Master data, banking and configuration (LayoutsKartoteki.cpp).
extern const RecordLayout kMagazynStandard;
extern const RecordLayout kMagazynExport;
extern const RecordLayout kWyrobyStandard;
extern const RecordLayout kWyrobyExport;
extern const RecordLayout kBanki;
extern const RecordLayout kOperBanki;
extern const RecordLayout kRRK;
extern const RecordLayout kPrzekazy;
extern const RecordLayout kKonfig;

}  // namespace konwpl::layouts
