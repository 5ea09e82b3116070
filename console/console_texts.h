#pragma once

#include <QString>
#include <QStringList>

#include "iso7811.h"

// The window's texts for the functions it offers beyond its template: menu entries, file
// dialogs, questions and hints. Written here once.
namespace ConsoleTexts {

// Menu entries; the shortcut is shown beside them by the menu.
QString ViewLogEntry();
QString SaveLogEntry();
QString ExportRecordsEntry();
QString WriteListEntry();
QString VerifyEntry();
QString JournalEntry();
QString EraseEntry();
QString RunDigitsEntry();

// Erasing: the question for the tracks.
QString EraseTracksQuestion();
// A track or pair by its label ("2，3轨"), as the erase choices and the list's question name it.
QString TracksName(const QString& tracks);
// The count above a track box: "2轨5个数据：".
QString TrackCount(int track, int bytes);
// Run refused: no track chosen; a number box out of its range, or not a number.
QString ChooseATrack();
QString NumberOutOfRange(int min, int max);
QString NotANumber();
// After a port failure: where to find out what answers on a port.
QString ProbeHint();

// Asking for the numbered run's digits: the box's title and its question.
QString RunDigitsTitle();
QString RunDigitsLabel();

// Choosing the journal: the dialog's title, its default name and its filter.
QString JournalTitle();
QString JournalName();
QStringList JournalFilters();
// "列表共%d张卡，其中%d张已写入（见作业记录）。跳过已写入的卡？"
QString SkipWrittenQuestion(int cards, int written);
// "<why>\n无法从作业记录得知哪些卡已写入。仍然写入整个列表？"
QString UnreadableJournalQuestion(const QString& why);
// "<卡N可能已写入，请检查：...>\n作业结束时这张卡正在写入。再写一次？"
QString RewriteUnsureQuestion(const QString& mayBeWritten);
// "<why>\n作业记录已关闭，写卡已停止。": the journal failed during a job.
QString JournalFailed(const QString& why);

// Saving the job log: the dialog's title, its default file name, and its filters: UTF-8
// first (the default), then GBK.
QString SaveLogTitle();
QString SaveLogName();
QStringList SaveLogFilters();

// Exporting the card records: title, default name, filters CSV (the default) and JSON.
QString ExportTitle();
QString ExportName();
QStringList ExportFilters();

// Writing a card list: the file dialog's title and filters, and the question before the
// job starts: "列表共%d张卡，写入%s。" with the tracks as the operator's texts name them
// ("2，3轨").
QString ListTitle();
QStringList ListFilters();
QString ListConfirm(int cards, const QString& tracks);
// The box after a list write: complete, "列表写卡完成：%1张全部写入并确认。"; else how many
// are confirmed and left, and how to write the rest with the journal.
QString ListEnd(int confirmed, int total, bool journalOn);
// The box after a write whose card did not read back as written, with the log's lines.
QString VerifyFailed(const QString& logLines);
// Ctrl+L in read mode: "按列表写卡需在“写卡”模式下进行，请先点“写卡”。"
QString ListNeedsWriteMode();

// The tooltip of a track box whose text an ISO/IEC 7811 track would not hold: the
// characters outside the track's set and, when passed, the track's standard capacity.
// Empty when there is nothing to say.
QString TrackHint(int track, const Iso7811Hint& hint);

// Marks the window's title carries after its caption: the journal that is on, by its file
// name, "（作业记录自动保存：%1）"; a device silent for a while, "（设备无应答：COM1 →
// /dev/ttyS0）" with the port's name and the device it leads to (only the name where
// that is all there is to say).
QString JournalTitleMark(const QString& fileName);
QString DeviceSilentTitleMark(const QString& portName, const QString& devicePath);

// The port box's tooltip on a COMn name with no link of its own, which opens the system's
// port instead: "ports文件夹中没有COM1的链接，将打开%2".
QString PortFallbackHint(const QString& portName, const QString& devicePath);

}  // namespace ConsoleTexts
