// Temporary folders and whole-file reads for tests that write files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "engine/platform.h"

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() / ("peravin-test-" + std::to_string(random()));
        std::filesystem::create_directories(root_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path Path(const std::string& name) const { return root_ / name; }
    std::wstring WidePath(const std::wstring& name) const { return (root_ / name).wstring(); }

private:
    std::filesystem::path root_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline bool FileExists(const std::filesystem::path& path) { return std::filesystem::exists(path); }

// The lines of a text whose every line ends in "\r\n".
inline std::vector<std::wstring> CrLfLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

inline std::string Utf8Of(const std::wstring& text) {
    std::vector<char> bytes(text.size() * 4 + 1);
    int n = ConvertToUtf8(text.c_str(), bytes.data(), static_cast<int>(bytes.size()));
    return n > 0 ? std::string(bytes.data(), static_cast<size_t>(n - 1)) : std::string();
}
