#pragma once

#include <QFile>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// A file that only grows at its end, each piece handed to the disk itself before the call
// returns, so that a kill or a power cut loses at most the piece being written.
class SyncedAppendFile {
  public:
    // Opens the file for appending, making it when it is missing. On failure the result is
    // CannotWriteFile's text.
    std::optional<std::string> Open(const QString& path);

    // Writes every byte, then syncs. On the first failure the file closes and the result
    // says why.
    std::optional<std::string> Append(std::string_view bytes);

    bool IsOpen() const { return file_.isOpen(); }
    qint64 Size() const { return file_.size(); }

  private:
    QString path_;
    QFile file_;
};
