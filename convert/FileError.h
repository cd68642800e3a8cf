#pragma once

#include <stdexcept>
#include <string>
#include <system_error>

namespace konwpl {

// The one failure that leaves a conversion job: a file-system step that did not work. The
// message names the file and the system's reason ("Cannot open file /data/ADRESY.REK:
// Permission denied"); the front end shows it as it stands.
class FileError : public std::runtime_error {
public:
    FileError(const std::string& message, std::error_code code)
        : std::runtime_error(message), code_(code) {}

    std::error_code code() const { return code_; }

private:
    std::error_code code_;
};

}  // namespace konwpl
