#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "track_set.h"

// The operator's reasons for a card list or an export that cannot be used, in UTF-8.
// They follow a file name, or "FILE:LINE: ", when shown.
namespace CardTexts {

// "无法读取文件：<reason>", the reason being the system's.
std::string CannotRead(std::string_view reason);
std::string FileTooLarge(std::size_t limitBytes);
std::string EmptyFile();
std::string NoCards();
std::string NulByte();
// "是UTF-16文本，请另存为UTF-8"
std::string Utf16();
std::string Undecodable();
std::string UnknownHeader();
// For a track pair: a list of it without a header row.
std::string HeaderNeeded(TrackSet tracks);
std::string MissingColumn(int track);
std::string DuplicateColumn(int track);
// A column with values whose track the selection does not write, and the selection that
// would: "track3列有数据，但所选轨道不写3轨：要写入它，请选2&3轨（--tracks 23）".
std::string UnselectedColumn(int track, TrackSet selection);
std::string ExtraFields(std::size_t fields, std::size_t columns);
std::string UnclosedQuote();
std::string TextAfterQuote();
std::string LineTooLong(std::size_t limitBytes);
std::string MissingValue(int track);
std::string Unencodable(int track, std::string_view character);
// A file given as a journal whose header is not the records' CSV header.
std::string NotAJournal();
// A confirmed card of a journal that no row of the list is left for.
std::string WrittenCardNotInList(std::string_view listName);
// "卡N可能已写入，请检查：2轨 <text>，3轨 <text>": a card the journal shows in flight when its
// job ended, by its number in that job; its texts are GBK, by track number - 1.
std::string MayBeWritten(int card, TrackSet tracks, const std::array<std::string, kTrackCount>& gbk);
std::string OverLimit(int track, std::size_t bytes, std::size_t limit);
// After the rows shown: "……另有99,980行有误".
std::string MoreBadRows(std::size_t count);
std::string MoreBadRecords(std::size_t count);
// A JSON list's entry, before its reason: "第3条记录：".
std::string AtRecord(int record);
// Between two problems of one row: "；".
std::string ProblemSeparator();
std::string NotRecordsJson(std::string_view reason);
std::string NotHex(int track);

}  // namespace CardTexts
