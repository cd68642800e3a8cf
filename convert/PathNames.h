// How the conversion jobs name files: upper-cased names, the in-place comparison of two paths,
// and paths as text for messages. Portable; the system-dependent part is in Platform.
#pragma once

#include <filesystem>
#include <string>

namespace konwpl {

// Upper-cases the letters of ASCII, Latin-1 and Latin Extended-A (so the Polish ones too) in a
// UTF-8 text; everything else passes unchanged.
std::u8string UpperCaseText(std::u8string_view text);
std::filesystem::path UpperCaseName(const std::filesystem::path& name);

// The path's text without leading and trailing bytes up to 0x20 (spaces and control
// characters), for comparing two paths only.
std::filesystem::path::string_type TrimmedText(const std::filesystem::path& path);

// The path as UTF-8 text in the system's own separators, for messages.
std::string DisplayPath(const std::filesystem::path& path);

// The file in `folder` that the engine writes for `upperName`: that name if it stands there,
// else an entry whose name differs from it only in letter case, else `folder / upperName` (a new
// file bearing the upper-cased name).
std::filesystem::path FileInFolder(const std::filesystem::path& folder,
                                   const std::filesystem::path& upperName);

// True when both paths name one existing file, whatever their written forms.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace konwpl
