#pragma once

#include <string>

#include "card_record.h"
#include "whole_file.h"

// Records as files for people and programs. Track bytes are GBK; in both formats they
// appear as text (decoded from GBK), and JSON adds their exact bytes as lower-case hex.
// Fields of tracks outside a record's selection are empty in CSV and null in JSON. A
// track whose read-back gave other bytes has them in JSON beside what was written
// (`trackN_readback`, `trackN_readback_hex`); CSV keeps its columns, which journals and
// spreadsheets read by place.

enum class ByteOrderMark { Include, Omit };

// Both formats come out a record at a time, to a sink (a file's, for exports) or as a
// string.

// CSV (RFC 4180, UTF-8, CR LF): the header line, then one line per record, each track's
// text guarded against being taken for a formula (GuardedCell). Spreadsheets
// on Windows need the byte-order mark to read the Chinese right; a program reading the
// output as a stream is better off without it.
void RecordsCsv(const CardRecordList& records, ByteOrderMark mark, const ByteSink& sink);
std::string RecordsCsv(const CardRecordList& records, ByteOrderMark mark = ByteOrderMark::Include);
// "job,card,row,time,kind,tracks,track1,track1_status,track2,track2_status,track3,
// track3_status" and CR LF, for output written record by record. Files written before
// records had a `row` column lack it; a journal begun then goes on in its own layout.
enum class RecordsLayout { WithRow, WithoutRow };
std::string RecordsCsvHeader(RecordsLayout layout = RecordsLayout::WithRow);
std::string RecordCsvLine(const CardRecord& record, RecordsLayout layout = RecordsLayout::WithRow);
// Whether a CSV line (CR LF ended) is the header of either layout.
bool IsRecordsCsvHeader(std::string_view line);

// A JSON array of one object per record, indented.
void RecordsJson(const CardRecordList& records, const ByteSink& sink);
std::string RecordsJson(const CardRecordList& records);
// One record as a one-line JSON object ended by LF (JSON lines).
std::string RecordJsonLine(const CardRecord& record);
