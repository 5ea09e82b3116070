#include "console_texts.h"

#include <QCoreApplication>

namespace ConsoleTexts {
namespace {

// How a character outside a track's set is named in a hint: the invisible ones by name.
QString CharacterName(const QString& character) {
    if (character == u"\n") return QCoreApplication::translate("ConsoleTexts", "换行");
    if (character == u" ") return QCoreApplication::translate("ConsoleTexts", "空格");
    if (character == u"\t") return QCoreApplication::translate("ConsoleTexts", "制表符");
    return character;
}

}  // namespace

QString ViewLogEntry() {
    return QCoreApplication::translate("ConsoleTexts", "查看日志(&L)");
}

QString SaveLogEntry() {
    return QCoreApplication::translate("ConsoleTexts", "保存日志(&S)...");
}

QString ExportRecordsEntry() {
    return QCoreApplication::translate("ConsoleTexts", "导出作业记录(&E)...");
}

QString WriteListEntry() {
    return QCoreApplication::translate("ConsoleTexts", "按列表写卡(&W)...");
}

QString EraseEntry() {
    return QCoreApplication::translate("ConsoleTexts", "擦除磁卡(&D)...");
}

QString EraseTracksQuestion() {
    return QCoreApplication::translate("ConsoleTexts", "请选择要擦除的轨道，然后刷卡：");
}

QString TracksName(const QString& tracks) {
    return QCoreApplication::translate("ConsoleTexts", "%1轨").arg(tracks);
}

QString TrackCount(int track, int bytes) {
    return QCoreApplication::translate("ConsoleTexts", "%1轨%2个数据：").arg(track).arg(bytes);
}

QString ChooseATrack() {
    return QCoreApplication::translate("ConsoleTexts", "请选择一操作轨道！");
}

QString NumberOutOfRange(int min, int max) {
    return QCoreApplication::translate("ConsoleTexts", "请输入一个介于 %1 和 %2 之间的整数。")
        .arg(min)
        .arg(max);
}

QString NotANumber() {
    return QCoreApplication::translate("ConsoleTexts", "请输入一个整数。");
}

QString ProbeHint() {
    return QCoreApplication::translate(
        "ConsoleTexts", "端口上是什么设备，可用命令 cardctl probe --port 端口名 查看。");
}

QString VerifyEntry() {
    return QCoreApplication::translate("ConsoleTexts", "写后校验(&V)");
}

QString JournalEntry() {
    return QCoreApplication::translate("ConsoleTexts", "作业记录自动保存(&J)...");
}

QString RunDigitsEntry() {
    return QCoreApplication::translate("ConsoleTexts", "连写号码位数(&N)...");
}

QString RunDigitsTitle() {
    return QCoreApplication::translate("ConsoleTexts", "连写号码位数");
}

QString RunDigitsLabel() {
    return QCoreApplication::translate("ConsoleTexts", "连写时号码前补0，补足的位数（0为不补）：");
}

QString JournalTitle() {
    return QCoreApplication::translate("ConsoleTexts", "作业记录自动保存");
}

QString JournalName() {
    return QCoreApplication::translate("ConsoleTexts", "作业记录.csv");
}

QStringList JournalFilters() {
    return {QCoreApplication::translate("ConsoleTexts", "CSV文件 (*.csv)")};
}

QString SkipWrittenQuestion(int cards, int written) {
    return QCoreApplication::translate(
               "ConsoleTexts", "列表共%n张卡，其中%1张已写入（见作业记录）。跳过已写入的卡？",
               nullptr, cards)
        .arg(written);
}

QString UnreadableJournalQuestion(const QString& why) {
    return why + QCoreApplication::translate(
                     "ConsoleTexts", "\n无法从作业记录得知哪些卡已写入。仍然写入整个列表？");
}

QString RewriteUnsureQuestion(const QString& mayBeWritten) {
    return mayBeWritten +
           QCoreApplication::translate("ConsoleTexts", "\n作业结束时这张卡正在写入。再写一次？");
}

QString JournalFailed(const QString& why) {
    return why + QCoreApplication::translate("ConsoleTexts", "\n作业记录已关闭，写卡已停止。");
}

QString SaveLogTitle() {
    return QCoreApplication::translate("ConsoleTexts", "保存日志");
}

QString SaveLogName() {
    return QCoreApplication::translate("ConsoleTexts", "作业日志.txt");
}

QStringList SaveLogFilters() {
    return {QCoreApplication::translate("ConsoleTexts", "UTF-8文本文件 (*.txt)"),
            QCoreApplication::translate("ConsoleTexts", "GBK文本文件 (*.txt)")};
}

QString ExportTitle() {
    return QCoreApplication::translate("ConsoleTexts", "导出作业记录");
}

QString ExportName() {
    return QCoreApplication::translate("ConsoleTexts", "作业记录.csv");
}

QStringList ExportFilters() {
    return {QCoreApplication::translate("ConsoleTexts", "CSV文件 (*.csv)"),
            QCoreApplication::translate("ConsoleTexts", "JSON文件 (*.json)")};
}

QString ListTitle() {
    return QCoreApplication::translate("ConsoleTexts", "按列表写卡");
}

QStringList ListFilters() {
    return {QCoreApplication::translate("ConsoleTexts", "卡列表 (*.csv *.json *.txt)"),
            QCoreApplication::translate("ConsoleTexts", "所有文件 (*)")};
}

QString ListConfirm(int cards, const QString& tracks) {
    return QCoreApplication::translate("ConsoleTexts", "列表共%n张卡，写入%1。", nullptr, cards)
        .arg(tracks);
}

QString ListEnd(int confirmed, int total, bool journalOn) {
    if (confirmed >= total)
        return QCoreApplication::translate("ConsoleTexts", "列表写卡完成：%n张全部写入并确认。",
                                           nullptr, total);
    const QString left =
        QCoreApplication::translate("ConsoleTexts", "列表未写完：已确认%n张，还剩%1张。\n",
                                    nullptr, confirmed)
            .arg(total - confirmed);
    if (journalOn) {
        return left + QCoreApplication::translate(
                          "ConsoleTexts",
                          "接着写：再按列表写卡（Ctrl+L）选同一列表，在询问时选“是”，"
                          "跳过作业记录中已写入的卡。");
    }
    return left + QCoreApplication::translate(
                      "ConsoleTexts",
                      "接着写：用“导出作业记录”（Ctrl+E）存为CSV文件，再用“作业记录"
                      "自动保存”选该文件，然后按列表写卡（Ctrl+L）选同一列表，在询问时"
                      "选“是”，跳过已写入的卡。");
}

QString VerifyFailed(const QString& logLines) {
    return QCoreApplication::translate("ConsoleTexts", "写好的卡读回校验失败：\n%1").arg(logLines);
}

QString ListNeedsWriteMode() {
    return QCoreApplication::translate("ConsoleTexts",
                                       "按列表写卡需在“写卡”模式下进行，请先点“写卡”。");
}

QString TrackHint(int track, const Iso7811Hint& hint) {
    QStringList lines;
    if (!hint.outside.isEmpty()) {
        QStringList names;
        for (const char32_t c : hint.outside.toUcs4())
            names << CharacterName(QString::fromUcs4(&c, 1));
        lines << QCoreApplication::translate("ConsoleTexts",
                                             "不在ISO/IEC 7811 %1轨字符集内的字符：%2")
                     .arg(track)
                     .arg(names.join(QCoreApplication::translate("ConsoleTexts", "、")));
    }
    if (hint.OverCapacity()) {
        lines << QCoreApplication::translate(
                     "ConsoleTexts",
                     "超出ISO/IEC 7811 %1轨的容量：标准最多%2个字符，现有%3个（含起止符和校验符）")
                     .arg(track)
                     .arg(hint.capacity)
                     .arg(hint.length);
    }
    return lines.join(u'\n');
}

QString JournalTitleMark(const QString& fileName) {
    return QCoreApplication::translate("ConsoleTexts", "（作业记录自动保存：%1）").arg(fileName);
}

QString DeviceSilentTitleMark(const QString& portName, const QString& devicePath) {
    // Windows opens the name itself in the device namespace: no other place to name.
    if (devicePath == portName || devicePath == QStringLiteral("\\\\.\\") + portName)
        return QCoreApplication::translate("ConsoleTexts", "（设备无应答：%1）").arg(portName);
    return QCoreApplication::translate("ConsoleTexts", "（设备无应答：%1 → %2）")
        .arg(portName, devicePath);
}

QString PortFallbackHint(const QString& portName, const QString& devicePath) {
    return QCoreApplication::translate("ConsoleTexts", "ports文件夹中没有%1的链接，将打开%2")
        .arg(portName, devicePath);
}

}  // namespace ConsoleTexts
