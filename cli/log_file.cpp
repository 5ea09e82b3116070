#include "log_file.h"

#include "cardctl_text.h"
LogFile::LogFile(const QString& path, bool utf8) : file_(path) {
    if (utf8) gbk_.emplace();
}

std::unique_ptr<LogFile> LogFile::Create(const QString& path, bool utf8, std::string& error) {
    std::unique_ptr<LogFile> log(new LogFile(path, utf8));
    if (!log->file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = CardctlLine(
            CardctlText::tr(
                "cannot write the log %1: %2; name a file in a folder you can write to"),
            {path.toStdString(), log->file_.errorString().toStdString()});
        return nullptr;
    }
    return log;
}

void LogFile::Append(std::string_view added) {
    if (added.empty()) return;
    const QByteArray bytes = gbk_ ? gbk_->Decode(added).toUtf8()
                                  : QByteArray(added.data(), static_cast<qsizetype>(added.size()));
    const bool whole = file_.write(bytes) == bytes.size() && file_.flush();
    if (!whole && failure_.empty()) failure_ = file_.errorString().toStdString();
}
