#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "cli/CliArgs.h"
#include "cli/TerminalDialog.h"

namespace konwpl::cli {
namespace {

struct TypeCase {
    const char* text;
    int code;  // -1: not a type
};

TEST(ParseDocumentType, NamesInAnyCaseWithOrWithoutPrefixAndCodes) {
    const TypeCase cases[] = {
        {"tdAdresy", 17},   {"adresy", 17},   {"ADRESY", 17}, {"TdAdReSy", 17}, {"17", 17},
        {"017", 17},        {"0", 0},         {"tdNone", 0},  {"none", 0},      {"sprzedaz", 1},
        {"tdKpKw", 12},     {"kpkw", 12},     {"21", 21},     {"calyplik", 21}, {"6", 6},
        {"tdMagazynID", 6}, {"numxxxx", 19},  {"22", 22},     {"255", 255},     {"", -1},
        {"256", -1},        {"1000", -1},     {"-1", -1},     {"+1", -1},       {"1a", -1},
        {" 17", -1},        {"17 ", -1},      {"td", -1},     {"adres", -1},    {"tdtdAdresy", -1},
        {"td17", -1},       {"Sprzedaż", -1},
    };
    for (const TypeCase& c : cases) {
        const std::optional<TTypDokumentu> type = ParseDocumentType(c.text);
        if (c.code < 0) {
            EXPECT_FALSE(type.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(type.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(*type, c.code) << '"' << c.text << '"';
        }
    }
}

TEST(ParseDocumentType, EveryTypeNameGivesItsCode) {
    for (int code = 0; code < kTypeCount; ++code) {
        const auto type = static_cast<TTypDokumentu>(code);
        EXPECT_EQ(ParseDocumentType(TypeName(type)), type) << TypeName(type);
    }
}

TEST(ParseCharset, SelectorNamesAndTheirUsualSpellings) {
    const std::pair<const char*, PlCharset> valid[] = {
        {"CP-852", PlCharset::CP852},    {"cp-852", PlCharset::CP852},
        {"cp852", PlCharset::CP852},     {"CP852", PlCharset::CP852},
        {"MAZovia", PlCharset::Mazovia}, {"mazovia", PlCharset::Mazovia},
        {"MAZOVIA", PlCharset::Mazovia}, {"WIN1250", PlCharset::Win1250},
        {"win1250", PlCharset::Win1250}, {"cp1250", PlCharset::Win1250},
        {"CP1250", PlCharset::Win1250},
    };
    for (const auto& [text, charset] : valid) {
        EXPECT_EQ(ParseCharset(text), charset) << text;
    }
    for (const char* text : {"", "852", "cp-1250", "latin2", "utf-8", "maz", "CP-852 "}) {
        EXPECT_FALSE(ParseCharset(text).has_value()) << '"' << text << '"';
    }
}

TEST(CharsetName, IsTheSelectorsEntry) {
    EXPECT_EQ(CharsetName(PlCharset::CP852), "CP-852");
    EXPECT_EQ(CharsetName(PlCharset::Mazovia), "MAZovia");
    EXPECT_EQ(CharsetName(PlCharset::Win1250), "WIN1250");
}

TEST(TypeTable, ListsEveryCodeWithItsName) {
    const std::string table = TypeTable();
    EXPECT_NE(table.find("   0  tdNone  (copy without conversion)\n"), std::string::npos);
    EXPECT_NE(table.find("  17  tdAdresy\n"), std::string::npos);
    EXPECT_NE(table.find("  21  tdCalyPlik  (the whole file as text)\n"), std::string::npos);
}

struct DialogCase {
    AnswerPolicy policy;
    const char* typed;
    DialogAnswer answer;
    const char* printedAfterPrompt;
};

TEST(TerminalDialog, YesNoQuestionsByPolicyAndTypedAnswer) {
    const DialogCase cases[] = {
        {AnswerPolicy::AlwaysYes, "n\n", DialogAnswer::Yes, "tak (--yes)\n"},
        {AnswerPolicy::AlwaysNo, "t\n", DialogAnswer::No, "nie (--no)\n"},
        {AnswerPolicy::NoInputUser, "t\n", DialogAnswer::No,
         "nie (standard input is not a terminal; --yes answers Yes)\n"},
        {AnswerPolicy::AskUser, "t\n", DialogAnswer::Yes, ""},
        {AnswerPolicy::AskUser, "y\n", DialogAnswer::Yes, ""},
        {AnswerPolicy::AskUser, " TAK \n", DialogAnswer::Yes, ""},
        {AnswerPolicy::AskUser, "yes\r\n", DialogAnswer::Yes, ""},
        {AnswerPolicy::AskUser, "n\n", DialogAnswer::No, ""},
        {AnswerPolicy::AskUser, "Nie\n", DialogAnswer::No, ""},
        {AnswerPolicy::AskUser, "no", DialogAnswer::No, ""},
        {AnswerPolicy::AskUser, "może\n\nt\n", DialogAnswer::Yes,
         "Answer t (tak) or n (nie): Answer t (tak) or n (nie): "},
        {AnswerPolicy::AskUser, "", DialogAnswer::No, "nie (end of input)\n"},
        {AnswerPolicy::AskUser, "x\n", DialogAnswer::No,
         "Answer t (tak) or n (nie): nie (end of input)\n"},
    };
    for (const DialogCase& c : cases) {
        std::istringstream in(c.typed);
        std::ostringstream out;
        TerminalDialog dialog(c.policy, in, out);
        EXPECT_EQ(dialog.Ask("Plik X już istnieje!\rCzy na pewno go nadpisać?!",
                             "Pytanie zasadnicze", DialogIcon::Warning, DialogButtons::YesNo),
                  c.answer)
            << '"' << c.typed << '"';
        EXPECT_EQ(out.str(), std::string("[Pytanie zasadnicze]\nPlik X już istnieje!\n"
                                         "Czy na pewno go nadpisać?!\nTak/Nie [t/n]: ") +
                                 c.printedAfterPrompt)
            << '"' << c.typed << '"';
    }
}

TEST(TerminalDialog, AMessageIsPrintedAndReadsNothing) {
    for (AnswerPolicy policy : {AnswerPolicy::AlwaysYes, AnswerPolicy::AlwaysNo,
                                AnswerPolicy::AskUser, AnswerPolicy::NoInputUser}) {
        std::istringstream in("t\n");
        std::ostringstream out;
        TerminalDialog dialog(policy, in, out);
        EXPECT_EQ(
            dialog.Ask("Błąd konwersji.", "Brak konwertera", DialogIcon::Error, DialogButtons::Ok),
            DialogAnswer::Ok);
        EXPECT_EQ(out.str(), "[Brak konwertera]\nBłąd konwersji.\n");
        std::string rest;
        std::getline(in, rest);
        EXPECT_EQ(rest, "t");
    }
}

TEST(TerminalDialog, EveryCarriageReturnBreaksALine) {
    std::istringstream in;
    std::ostringstream out;
    TerminalDialog dialog(AnswerPolicy::AlwaysNo, in, out);
    dialog.Ask("a\rb\r\rc", "Zapytanie strategiczne", DialogIcon::Question, DialogButtons::YesNo);
    EXPECT_EQ(out.str(), "[Zapytanie strategiczne]\na\nb\n\nc\nTak/Nie [t/n]: nie (--no)\n");
}

}  // namespace
}  // namespace konwpl::cli
