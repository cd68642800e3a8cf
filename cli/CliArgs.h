// The values of konwpl-cli's options as the user may write them: a type by its name or its code,
// an encoding by any of its usual names. Pure text handling, the same on every system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "charset/PlLetters.h"
#include "records/REKORDY.h"

namespace konwpl::cli {

// A type name with or without its "td" prefix, in any letter case ("tdAdresy", "adresy",
// "ADRESY"), or a code from 0 to 255 in decimal digits. Codes without a converter (6, 19, above
// 21) are accepted here: the batch refuses them, as the window's buttons would.
std::optional<TTypDokumentu> ParseDocumentType(std::string_view text);

// "CP-852", "MAZovia" or "WIN1250" in any letter case, and "cp852", "mazovia", "win1250",
// "cp1250" likewise.
std::optional<PlCharset> ParseCharset(std::string_view text);

// The selector's name of an encoding ("MAZovia"), for messages.
std::string_view CharsetName(PlCharset charset);

// One line per type code that has a name: "  17  tdAdresy", for the help text.
std::string TypeTable();

}  // namespace konwpl::cli
