#include "cli/TerminalDialog.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

namespace konwpl::cli {

namespace {

constexpr const char* kPrompt = "Tak/Nie [t/n]: ";

// The dialog texts break their lines with a lone carriage return; a terminal wants line feeds.
std::string TerminalLines(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

}  // namespace

TypedAnswer ParseTypedAnswer(const std::string& line) {
    std::string word;
    for (char c : line) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    if (word == "y" || word == "yes" || word == "t" || word == "tak") {
        return TypedAnswer::Yes;
    }
    if (word == "n" || word == "no" || word == "nie") {
        return TypedAnswer::No;
    }
    return TypedAnswer::Unclear;
}

DialogAnswer TerminalDialog::Ask(const std::string& text, const std::string& caption,
                                 DialogIcon /*icon: the caption says enough on a terminal*/,
                                 DialogButtons buttons) {
    out_ << '[' << caption << "]\n" << TerminalLines(text) << '\n';
    if (buttons == DialogButtons::Ok) {
        out_.flush();
        return DialogAnswer::Ok;
    }
    out_ << kPrompt;
    switch (policy_) {
        case AnswerPolicy::AlwaysYes:
            out_ << "tak (--yes)\n";
            return DialogAnswer::Yes;
        case AnswerPolicy::AlwaysNo:
            out_ << "nie (--no)\n";
            return DialogAnswer::No;
        case AnswerPolicy::NoInputUser:
            out_ << "nie (standard input is not a terminal; --yes answers Yes)\n";
            return DialogAnswer::No;
        case AnswerPolicy::AskUser:
            break;
    }
    return ReadAnswer();
}

DialogAnswer TerminalDialog::ReadAnswer() {
    for (;;) {
        out_.flush();
        std::string line;
        if (!std::getline(in_, line)) {
            out_ << "nie (end of input)\n";
            return DialogAnswer::No;
        }
        switch (ParseTypedAnswer(line)) {
            case TypedAnswer::Yes:
                return DialogAnswer::Yes;
            case TypedAnswer::No:
                return DialogAnswer::No;
            case TypedAnswer::Unclear:
                out_ << "Answer t (tak) or n (nie): ";
                break;
        }
    }
}

}  // namespace konwpl::cli
