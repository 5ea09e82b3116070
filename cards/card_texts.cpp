#include "card_texts.h"

#include "gbk.h"

namespace CardTexts {
namespace {

std::string Track(int track) {
    return std::to_string(track) + "轨";
}

std::string Column(int track) {
    return "track" + std::to_string(track);
}

// 99980 as "99,980".
std::string WithThousands(std::size_t count) {
    const std::string digits = std::to_string(count);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

std::string CannotRead(std::string_view reason) {
    return "无法读取文件：" + std::string(reason);
}

std::string FileTooLarge(std::size_t limitBytes) {
    return "文件太大（超过" + std::to_string(limitBytes / (1024 * 1024)) + " MB）";
}

std::string NotAJournal() {
    return "不是作业记录文件：第一行应为作业记录的CSV表头";
}

std::string WrittenCardNotInList(std::string_view listName) {
    return "这张已写入的卡不在列表" + std::string(listName) + "中（或多于列表中的同样的卡）";
}

std::string MayBeWritten(int card, TrackSet tracks, const std::array<std::string, kTrackCount>& gbk) {
    std::string text = "卡" + std::to_string(card) + "可能已写入，请检查：";
    std::string_view between;
    for (int track = 1; track <= kTrackCount; ++track) {
        if (!HasTrack(tracks, track)) continue;
        text += std::string(between) + Track(track) + " " + GbkToUtf8(gbk[track - 1]);
        between = "，";
    }
    return text;
}

std::string EmptyFile() {
    return "文件是空的";
}

std::string NoCards() {
    return "列表中没有卡";
}

std::string NulByte() {
    return "不是文本文件（含有NUL字节）";
}

std::string Utf16() {
    return "是UTF-16文本，请另存为UTF-8";
}

std::string Undecodable() {
    return "不是文本文件（既不是UTF-8也不是GBK编码）";
}

std::string UnknownHeader() {
    return "表头不明：没有track1、track2或track3列";
}

std::string HeaderNeeded(TrackSet tracks) {
    const bool pairWithOne = tracks == TrackSet::Track12;
    const int first = pairWithOne ? 1 : 2;
    return "缺少表头：" + std::to_string(first) + "，" + std::to_string(first + 1) +
           "轨的列表第一行须是列名（" + Column(first) + "," + Column(first + 1) + "）";
}

std::string MissingColumn(int track) {
    return "表头中没有" + Column(track) + "列";
}

std::string UnselectedColumn(int track, TrackSet selection) {
    // The pair of the chosen track and this one where there is one, else this track alone.
    TrackSet wider = SingleTrack(track);
    for (const TrackSet tracks : kTrackSets) {
        bool covers = HasTrack(tracks, track);
        for (int other = 1; other <= kTrackCount; ++other)
            covers = covers && (!HasTrack(selection, other) || HasTrack(tracks, other));
        if (covers) wider = tracks;
    }
    const std::string code(TrackSetCode(wider));
    std::string label;
    for (const char digit : code) label += (label.empty() ? "" : "&") + std::string(1, digit);
    // No pair holds the chosen tracks and this one: it takes a job of its own.
    const std::string how = wider != SingleTrack(track) ? "要写入它，请选" + label + "轨"
                                                        : "它须另以" + label + "轨写入";
    return Column(track) + "列有数据，但所选轨道不写" + Track(track) + "：" + how +
           "（--tracks " + code + "）";
}

std::string DuplicateColumn(int track) {
    return "表头中" + Column(track) + "列出现了不止一次";
}

std::string ExtraFields(std::size_t fields, std::size_t columns) {
    return "这一行有" + std::to_string(fields) + "个字段，表头只有" + std::to_string(columns) +
           "列（值中的逗号须加引号）";
}

std::string UnclosedQuote() {
    return "引号没有结束";
}

std::string TextAfterQuote() {
    return "引号后面有多余的字符";
}

std::string LineTooLong(std::size_t limitBytes) {
    return "行太长（超过" + std::to_string(limitBytes) + "个字节）";
}

std::string MissingValue(int track) {
    return "缺少" + Track(track) + "数据";
}

std::string Unencodable(int track, std::string_view character) {
    return Track(track) + "数据中的“" + std::string(character) + "”无法用GBK编码";
}

std::string OverLimit(int track, std::size_t bytes, std::size_t limit) {
    return Track(track) + "数据" + std::to_string(bytes) + "个字节，超过" + std::to_string(limit) +
           "个字节的限制";
}

std::string MoreBadRows(std::size_t count) {
    return "……另有" + WithThousands(count) + "行有误";
}

std::string MoreBadRecords(std::size_t count) {
    return "……另有" + WithThousands(count) + "条记录有误";
}

std::string AtRecord(int record) {
    return "第" + std::to_string(record) + "条记录：";
}

std::string NotRecordsJson(std::string_view reason) {
    return "不是导出的JSON作业记录（" + std::string(reason) + "）";
}

std::string NotHex(int track) {
    return Column(track) + "_hex不是十六进制数据";
}

}  // namespace CardTexts
