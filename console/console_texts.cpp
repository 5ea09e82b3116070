#include "console_texts.h"

namespace ConsoleTexts {
QString ViewLogEntry() {
    return QStringLiteral("查看日志(&L)");
}

QString SaveLogEntry() {
    return QStringLiteral("保存日志(&S)...");
}

QString ExportRecordsEntry() {
    return QStringLiteral("导出作业记录(&E)...");
}

QString WriteListEntry() {
    return QStringLiteral("按列表写卡(&W)...");
}

QString SaveLogTitle() {
    return QStringLiteral("保存日志");
}

QString SaveLogName() {
    return QStringLiteral("作业日志.txt");
}

QStringList SaveLogFilters() {
    return {QStringLiteral("UTF-8文本文件 (*.txt)"), QStringLiteral("GBK文本文件 (*.txt)")};
}

}  // namespace ConsoleTexts
