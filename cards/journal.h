#pragma once

#include <QFile>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "card_record.h"

// The journal: every card record appended to a records CSV file as soon as its card is
// logged, and handed to the disk before the job goes on, so that a job cut short by a
// kill or a power cut leaves a file that names every card done but the one in flight.
// A file that fails is given up at its first failure: one gap in it would make a resumed
// list write those cards twice without a word.
class Journal {
  public:
    // Opens the file for appending, making it when it is missing. A new or empty file gets
    // the byte-order mark and the header; a file that ends inside a row (a kill while it
    // was written) gets a line break first, so that the torn row stays a row of its own.
    // On failure the result is null and `error` is "PATH: 无法写入：<reason>".
    static std::unique_ptr<Journal> Open(const QString& path, std::string& error);

    // Appends the record's row and syncs the file. On the first failure the journal closes
    // and the result says why; later calls do nothing.
    std::optional<std::string> Append(const CardRecord& record);
    bool IsOpen() const { return file_.isOpen(); }
    const QString& Path() const { return path_; }

  private:
    explicit Journal(const QString& path) : path_(path) {}
    std::optional<std::string> Write(std::string_view bytes);

    QString path_;
    QFile file_;
};
