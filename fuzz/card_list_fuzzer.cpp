// The card list reader and the CSV reader under it, fed any bytes. The first byte picks
// the selection, the track limits and whether the file is named as a JSON export; the
// rest is the file.
//
//   build-fuzz/fuzz/card_list_fuzzer -max_total_time=60 fuzz/corpus/card_list
#include <cstdint>
#include <string>
#include <string_view>

#include "card_list.h"
#include "csv.h"
#include "fuzz_input.h"

namespace {

bool LineBreaksAreCrLf(std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool cr = value[i] == '\r';
        if (cr && (i + 1 >= value.size() || value[i + 1] != '\n')) return false;
        if (value[i] == '\n' && (i == 0 || value[i - 1] != '\r')) return false;
    }
    return true;
}

void CheckCardList(std::string_view file, std::string_view name, TrackSet tracks,
                   const TrackLimits& limits) {
    const CardListResult result = ParseCardList(file, name, tracks, limits);
    Require(result.errors.size() <= kMaxListErrors + 1, "at most 20 errors and a count");
    Require(result.errors.empty() != result.cards.empty(), "either cards or errors");
    for (std::size_t i = 0; i < result.errors.size() && i < kMaxListErrors; ++i)
        Require(result.errors[i].starts_with(name), "errors name the file");
    // Exports keep their line breaks as they were read.
    const bool exactBreaks = name.ends_with(".json") || file.find("job,card,") != file.npos;
    int previousLine = 0;
    for (const ListCard& card : result.cards) {
        Require(card.line > previousLine, "cards in file order");
        previousLine = card.line;
        for (int track = 1; track <= kTrackCount; ++track) {
            const std::string& value = card.tracks[track - 1];
            if (!HasTrack(tracks, track)) {
                Require(value.empty(), "no value outside the selection");
                continue;
            }
            const int limit = limits.bytes[track - 1];
            Require(!value.empty(), "every needed value present");
            Require(value.size() <= kMaxTrackBytes, "within 119 bytes");
            Require(limit <= 0 || value.size() <= static_cast<std::size_t>(limit),
                    "within the limit");
            Require(exactBreaks || LineBreaksAreCrLf(value), "line breaks as CR LF");
        }
    }
}

// What the writer makes of a record, the reader reads back as it was.
void CheckCsv(std::string_view bytes) {
    CsvReader reader(bytes, {',', 256});
    CsvRecord record;
    int previousLine = 0;
    while (reader.Next(record)) {
        Require(record.line > previousLine, "records in line order");
        previousLine = record.line;
        if (record.problem != CsvProblem::None) continue;
        const std::string line = CsvLine(record.fields);
        CsvReader again(line, {',', line.size()});
        CsvRecord reread;
        Require(again.Next(reread) && reread.fields == record.fields, "written fields read back");
        Require(!again.Next(reread), "one line is one record");
    }
}

constexpr TrackSet kSelections[] = {TrackSet::Track1, TrackSet::Track2, TrackSet::Track3,
                                    TrackSet::Track12, TrackSet::Track23};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const uint8_t pick = data[0];
    const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);
    const TrackSet tracks = kSelections[pick % 5];
    const TrackLimits limits{{pick & 0x08 ? 6 : 0, pick & 0x10 ? 4 : -1, pick & 0x20 ? 40 : 0}};
    CheckCardList(file, pick & 0x40 ? "list.json" : "list", tracks, limits);
    CheckCsv(file);
    return 0;
}
