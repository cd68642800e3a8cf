// Small fixtures shared by the core's tests: a temporary folder, whole-file reads and writes,
// a scripted UserDialog and a fixed-encoding ConvertText.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "charset/PlLetters.h"
#include "convert/JobInterfaces.h"

namespace konwpl::testing {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& path);
Bytes BytesOf(std::string_view text);
// The names of the entries of a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// One question as the dialog saw it.
struct Question {
    std::string text;
    std::string caption;
    DialogIcon icon;
    DialogButtons buttons;
};

// Answers from a script, in order; once the script is spent, OK boxes get OK and questions
// get `fallback`. Every question is recorded.
class ScriptedDialog : public UserDialog {
public:
    explicit ScriptedDialog(std::deque<DialogAnswer> answers = {},
                            DialogAnswer fallback = DialogAnswer::Yes)
        : answers_(std::move(answers)), fallback_(fallback) {}

    DialogAnswer Ask(const std::string& text, const std::string& caption, DialogIcon icon,
                     DialogButtons buttons) override;

    std::vector<Question> asked;

private:
    std::deque<DialogAnswer> answers_;
    DialogAnswer fallback_;
};

// Converts with one fixed pair of encodings and counts the calls.
class FixedConvertText : public FixedConversion {
public:
    using FixedConversion::FixedConversion;
    void Convert(std::span<std::uint8_t> text) override {
        ++calls;
        FixedConversion::Convert(text);
    }
    int calls = 0;
};

}  // namespace konwpl::testing
