#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "card_record.h"
#include "record_export.h"
#include "synced_file.h"

// The journal: every card record appended to a records CSV file as soon as its card is
// logged, and a `sending` row for each card before it goes out, each handed to the disk
// before the job goes on, so that a job cut short by a kill or a power cut leaves a file
// that names every card done and the one in flight. A file that fails is given up at its
// first failure: one gap in it would make a resumed list write those cards twice.
class Journal {
  public:
    // Opens the file for appending, making it when it is missing. A new or empty file gets
    // the byte-order mark and the header; a file that does not begin with the header is
    // refused. A file that ends inside a row (a kill while it was written) is cut back to
    // its last whole row first, the cut bytes appended to PATH.torn, so that no later row
    // is swallowed by a quote the torn one left open.
    // On failure the result is null and `error` says why, naming the file; `notAJournal`,
    // when given, tells a refused file from one that could not be read or written.
    static std::unique_ptr<Journal> Open(const QString& path, std::string& error,
                                         bool* notAJournal = nullptr);

    // Appends the record's row and syncs the file. On the first failure the journal closes
    // and the result says why; later calls do nothing.
    std::optional<std::string> Append(const CardRecord& record);
    bool IsOpen() const { return file_.IsOpen(); }
    const QString& Path() const { return path_; }

  private:
    explicit Journal(const QString& path) : path_(path) {}

    QString path_;
    SyncedAppendFile file_;
    RecordsLayout layout_ = RecordsLayout::WithRow;
};
