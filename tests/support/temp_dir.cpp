#include "temp_dir.h"

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

TempDir::TempDir() {
    QTemporaryDir made(QString::fromStdString(
        (std::filesystem::temp_directory_path() / "cardtest-XXXXXX").string()));
    if (!made.isValid()) throw std::runtime_error("no temporary folder");
    // This object removes it, with everything the test left there.
    made.setAutoRemove(false);
    path_ = made.path().toStdString();
}

TempDir::~TempDir() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}
