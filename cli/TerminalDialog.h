// The questions and messages of a conversion job on a terminal: printed to standard error with
// their line breaks, a Yes/No question answered by the user or by the command line.
#pragma once

#include <iosfwd>
#include <string>

#include "convert/JobInterfaces.h"

namespace konwpl::cli {

// Who answers the Yes/No questions.
enum class AnswerPolicy {
    AlwaysYes,    // --yes
    AlwaysNo,     // --no
    AskUser,      // standard input is a terminal: the user types the answer
    NoInputUser,  // standard input is not a terminal: No, after printing the question
};

class TerminalDialog : public UserDialog {
public:
    // `in` is read for the user's answers under AskUser only; everything goes to `out`.
    TerminalDialog(AnswerPolicy policy, std::istream& in, std::ostream& out)
        : policy_(policy), in_(in), out_(out) {}

    DialogAnswer Ask(const std::string& text, const std::string& caption, DialogIcon icon,
                     DialogButtons buttons) override;

private:
    DialogAnswer ReadAnswer();

    AnswerPolicy policy_;
    std::istream& in_;
    std::ostream& out_;
};

// What a typed line answers: y, yes, t, tak for Yes, n, no, nie for No, in any letter case and
// with spaces around; anything else is no answer.
enum class TypedAnswer { Yes, No, Unclear };
TypedAnswer ParseTypedAnswer(const std::string& line);

}  // namespace konwpl::cli
