#include "export_file.h"

#include <QSaveFile>

#include "card_texts.h"

std::optional<std::string> WriteFileWhole(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (written) return std::nullopt;
    return path.toStdString() + ": " + CardTexts::CannotWrite(file.errorString().toStdString());
}
