#pragma once

#include <string>

#include "card_record.h"

// Records as lines to compare in one piece: "job/card kind tracks" and, per track of the
// selection, " N+bytes" when ok or " N-bytes" when failed, bytes as held (GBK). The time
// is left out.
std::string RecordLines(const CardRecordList& records);
