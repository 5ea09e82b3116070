#include "export_file.h"

#include <QSaveFile>

#include "card_texts.h"

namespace {

// Unbuffered, and written until every byte is in: a buffered QSaveFile can take a short
// write for success, and only the failing call after a short write names the reason.
bool WriteAll(QSaveFile& file, std::string_view bytes) {
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<std::string> WriteFileWhole(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(file, bytes) &&
        file.commit())
        return std::nullopt;
    return path.toStdString() + ": " + CardTexts::CannotWrite(file.errorString().toStdString());
}
