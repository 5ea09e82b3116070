#pragma once

#include <QFile>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gbk.h"

// The job log as a file, brought up to date at every log refresh, so that it is complete
// whenever the job stops: the log's GBK bytes as they are, or the same text in UTF-8.
class LogFile {
  public:
    // Creates or empties the file; the error says which file and why.
    static std::unique_ptr<LogFile> Create(const QString& path, bool utf8, std::string& error);

    // Writes what the log gained since the last call.
    void Append(std::string_view added);
    // Why the file stopped taking the log (a full disk, a removed drive); empty while it
    // takes it.
    const std::string& Failure() const { return failure_; }

  private:
    LogFile(const QString& path, bool utf8);

    QFile file_;
    std::string failure_;
    // Keeps a character split between two updates whole.
    std::optional<GbkChunkDecoder> gbk_;
};
