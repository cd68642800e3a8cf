// What the conversion jobs need from the front end that runs them: a way to ask the user, and
// the conversion of one text value with the encodings the user has chosen. The window, the
// command-line tool and the tests each implement both.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "charset/PlLetters.h"

namespace konwpl {

enum class DialogIcon { Warning, Error, Question };
enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No };

// A modal question or message. Texts are UTF-8 and break their lines with a single carriage
// return. A Yes/No question has no other answer than Yes or No.
class UserDialog {
public:
    virtual ~UserDialog() = default;
    virtual DialogAnswer Ask(const std::string& text, const std::string& caption, DialogIcon icon,
                             DialogButtons buttons) = 0;
};

// Converts one text value in place with the encodings chosen at the moment of the call; the
// front end reads its choice anew every time, so nothing has to put a choice into force. The
// length of the text never changes.
class ConvertText {
public:
    virtual ~ConvertText() = default;
    virtual void Convert(std::span<std::uint8_t> text) = 0;
};

// A conversion with one pair of encodings for a whole run, for a front end whose choice cannot
// change while a batch runs (konwpl-cli, the benchmarks): one table serves every text value.
class FixedConversion : public ConvertText {
public:
    FixedConversion(PlCharset from, PlCharset to) : table_(TranslationFor(from, to)) {}
    void Convert(std::span<std::uint8_t> text) override { Translate(table_, text); }

private:
    const TranslationTable& table_;
};

}  // namespace konwpl
