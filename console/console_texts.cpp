#include "console_texts.h"

namespace ConsoleTexts {
namespace {

// How a character outside a track's set is named in a hint: the invisible ones by name.
QString CharacterName(const QString& character) {
    if (character == u"\n") return QStringLiteral("换行");
    if (character == u" ") return QStringLiteral("空格");
    if (character == u"\t") return QStringLiteral("制表符");
    return character;
}

}  // namespace

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

QString EraseEntry() {
    return QStringLiteral("擦除磁卡(&D)...");
}

QString EraseTracksQuestion() {
    return QStringLiteral("请选择要擦除的轨道，然后刷卡：");
}

QString EraseTracksChoice(const QString& tracks) {
    return tracks + QStringLiteral("轨");
}

QString ProbeHint() {
    return QStringLiteral("端口上是什么设备，可用命令 cardctl probe --port 端口名 查看。");
}

QString VerifyEntry() {
    return QStringLiteral("写后校验(&V)");
}

QString JournalEntry() {
    return QStringLiteral("作业记录自动保存(&J)...");
}

QString JournalTitle() {
    return QStringLiteral("作业记录自动保存");
}

QString JournalName() {
    return QStringLiteral("作业记录.csv");
}

QStringList JournalFilters() {
    return {QStringLiteral("CSV文件 (*.csv)")};
}

QString SkipWrittenQuestion(int cards, int written) {
    return QStringLiteral("列表共%1张卡，其中%2张已写入（见作业记录）。跳过已写入的卡？")
        .arg(cards)
        .arg(written);
}

QString UnreadableJournalQuestion(const QString& why) {
    return why + QStringLiteral("\n无法从作业记录得知哪些卡已写入。仍然写入整个列表？");
}

QString RewriteUnsureQuestion(const QString& mayBeWritten) {
    return mayBeWritten + QStringLiteral("\n作业结束时这张卡正在写入。再写一次？");
}

QString JournalFailed(const QString& why) {
    return why + QStringLiteral("\n作业记录已关闭，写卡已停止。");
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

QString ExportTitle() {
    return QStringLiteral("导出作业记录");
}

QString ExportName() {
    return QStringLiteral("作业记录.csv");
}

QStringList ExportFilters() {
    return {QStringLiteral("CSV文件 (*.csv)"), QStringLiteral("JSON文件 (*.json)")};
}

QString ListTitle() {
    return QStringLiteral("按列表写卡");
}

QStringList ListFilters() {
    return {QStringLiteral("卡列表 (*.csv *.json *.txt)"), QStringLiteral("所有文件 (*)")};
}

QString ListConfirm(int cards, const QString& tracks) {
    return QStringLiteral("列表共%1张卡，写入%2。").arg(cards).arg(tracks);
}

QString TrackHint(int track, const Iso7811Hint& hint) {
    QStringList lines;
    if (!hint.outside.isEmpty()) {
        QStringList names;
        for (const char32_t c : hint.outside.toUcs4())
            names << CharacterName(QString::fromUcs4(&c, 1));
        lines << QStringLiteral("不在ISO/IEC 7811 %1轨字符集内的字符：%2")
                     .arg(track)
                     .arg(names.join(QStringLiteral("、")));
    }
    if (hint.OverCapacity()) {
        lines << QStringLiteral(
                     "超出ISO/IEC 7811 %1轨的容量：标准最多%2个字符，现有%3个（含起止符和校验符）")
                     .arg(track)
                     .arg(hint.capacity)
                     .arg(hint.length);
    }
    return lines.join(u'\n');
}

}  // namespace ConsoleTexts
