#include "TestFiles.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>

namespace konwpl::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate =
            fs::temp_directory_path() / ("konwpl-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
#ifdef _WIN32
    // Windows deletes no file that bears the read-only attribute.
    for (fs::recursive_directory_iterator it(path_, ignored), end; !ignored && it != end;
         it.increment(ignored)) {
        std::error_code unchanged;
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, unchanged);
    }
#endif
    fs::remove_all(path_, ignored);
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

DialogAnswer ScriptedDialog::Ask(const std::string& text, const std::string& caption,
                                 DialogIcon icon, DialogButtons buttons) {
    asked.push_back({text, caption, icon, buttons});
    if (buttons == DialogButtons::Ok) {
        return DialogAnswer::Ok;
    }
    if (answers_.empty()) {
        return fallback_;
    }
    const DialogAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace konwpl::testing
