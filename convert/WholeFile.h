// The two operations that do not work record by record: the copy without conversion, and the
// conversion of a whole file as text.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "convert/JobInterfaces.h"

namespace konwpl {

// The whole-text conversion reads its file in blocks of this size.
inline constexpr std::size_t kTextBlockBytes = std::size_t{1} << 20;

// Copies the file `name` from `sourceDir` into `destDir` byte for byte, replacing a file there.
// A copy that fails is raised as FileError; a copy onto the source itself is refused earlier,
// by the batch driver.
void CopyWithoutConversion(const std::filesystem::path& name,
                           const std::filesystem::path& sourceDir,
                           const std::filesystem::path& destDir);

// Converts the Polish letters of the whole file, wherever they stand, and rewrites every line
// break (CR LF, a lone CR, a lone LF) as CR LF; a last line without a break gets one. Every
// other byte, 00 included, passes unchanged. Streams the file: memory does not grow with it.
// Returns the number of bytes written, or nothing when the user declined the backup question.
std::optional<std::uint64_t> ConvertWholeText(const std::filesystem::path& name,
                                              const std::filesystem::path& sourceDir,
                                              const std::filesystem::path& destDir,
                                              UserDialog& dialog, ConvertText& convert);

}  // namespace konwpl
