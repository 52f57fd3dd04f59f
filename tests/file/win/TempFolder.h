// A fresh folder under the system's temporary folder, removed with its content at the end.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace testing_files {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "veritome-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder joined with name, as the system's bytes.
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // The same as a UTF-16 text (the folder's name is ASCII; name's bytes must be too).
    std::u16string text(const std::string& name = "") const {
        return widen(name.empty() ? path_ : file(name));
    }
    static std::u16string widen(const std::string& ascii) {
        return std::u16string(ascii.begin(), ascii.end());
    }
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::string path_;
};

}  // namespace testing_files
