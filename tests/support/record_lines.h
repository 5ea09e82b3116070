#pragma once

#include <string>

#include "card_record.h"

// Records as lines to compare in one piece: "job/card kind tracks" and, per track of the
// selection, " N+bytes" when ok or " N-bytes" when failed; bytes as the record holds
// them (GBK). The time is left out: see ExpectTimesWithin.
std::string RecordLines(const CardRecordList& records);

// Every record's time lies between two times taken around the job (IsoLocalTime).
void ExpectTimesWithin(const CardRecordList& records, const std::string& from,
                       const std::string& to);
