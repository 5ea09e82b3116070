#pragma once

#include <filesystem>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

// Writes text to a file, creating or replacing it.
void WriteFile(const std::filesystem::path& path, const std::string& text);
// A file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
