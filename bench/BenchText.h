// Polish text for the benchmarks, as KV720 would hold it: Mazovia bytes made from UTF-8 phrases
// through the letter table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "charset/PlLetters.h"

namespace konwpl::bench {

// Names, addresses, goods and remarks such as an invoice carries; most hold Polish letters.
inline constexpr std::array<std::string_view, 24> kPhrases{
    "Przedsiębiorstwo Handlowo-Usługowe „Żuraw” Sp. z o.o.",
    "ul. Źródlana 14/3",
    "Łódź",
    "Gdańsk-Oliwa",
    "Zakład Ślusarski Bożena Wąsowicz",
    "Śruba M8×40 ocynkowana",
    "Nakrętka sześciokątna M8",
    "Wiertło do betonu 6 mm",
    "Płyta gipsowo-kartonowa 12,5 mm",
    "Klej do płytek elastyczny",
    "Usługa transportowa – dowóz na budowę",
    "szt.",
    "kpl.",
    "mb",
    "Zapłacono przelewem",
    "Termin płatności: 14 dni",
    "Ćwiczenia BHP – szkolenie okresowe",
    "Sprzedaż opodatkowana",
    "Pozostało do zapłaty",
    "Hurtownia Elektryczna „Iskra” – Częstochowa",
    "Jan Kowalski, właściciel",
    "Dziękujemy za zakupy!",
    "Zażółć gęślą jaźń",
    "Nr konta: 12 1020 3040 0000 1234 5678 9012",
};

// The phrase in Mazovia bytes: each Polish letter through the letter table; a character that is
// not in the table and not ASCII (quotes, dashes, ×) becomes a plain ASCII stand-in.
inline std::string ToMazovia(std::string_view utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        if (lead < 0x80) {
            bytes += utf8[i++];
            continue;
        }
        std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const std::string_view sequence = utf8.substr(i, length);
        char byte = '-';
        for (const PolishLetter& letter : kPolishLetters) {
            if (sequence == letter.letter) {
                byte = static_cast<char>(letter.mazovia);
            }
        }
        if (sequence == "„" || sequence == "”") {
            byte = '"';
        } else if (sequence == "×") {
            byte = 'x';
        }
        bytes += byte;
        i += length;
    }
    return bytes;
}

}  // namespace konwpl::bench
