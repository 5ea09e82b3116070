#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "card_check.h"
#include "track_set.h"

// A card list: the values a list write puts on its cards, one card per row.
//
// A CSV file whose first row names its columns: track1, track2, track3 in any case and
// order, any subset holding the selection's tracks; other columns are ignored, so a
// records export is a list. For a one-track selection a file whose first row is a single
// value is a list of one value per line (a comma is then part of the value). A first row
// of several fields naming no track column is an unknown header.
//
// UTF-8 with or without a byte-order mark; a file that is not valid UTF-8 is read as GBK.
// Quoted values may hold line breaks; the device receives them as CR LF. Rows whose
// fields are all blank are skipped.
//
// A records export is read back as the same cards: in a CSV file whose header is the
// export's, the track cells lose the export's formula guard and keep their line breaks as
// they are; a file named *.json is a JSON export, whose trackN_hex give the exact bytes.

inline constexpr std::size_t kMaxListErrors = 20;
inline constexpr std::size_t kMaxListFileBytes = 64 * 1024 * 1024;
inline constexpr std::size_t kMaxListRowBytes = 64 * 1024;

struct ListCard {
    int line = 0;  // where the card's row starts in the file, counting from 1
    // GBK with CR LF line breaks, by track number - 1; empty outside the selection.
    std::array<std::string, kTrackCount> tracks;
    int row = 0;  // its place among the list's cards, counting from 1
};

struct CardListResult {
    // Every card of the list when it can be written whole; empty when there are errors.
    std::vector<ListCard> cards;
    // "FILE:LINE: reason" for each bad row, "FILE: reason" for a file that cannot be
    // used at all; UTF-8, in file order, at most kMaxListErrors, then a line saying how
    // many more there are.
    std::vector<std::string> errors;
};

// Reads the list and checks every card against the job (CheckCardValues) before any
// card is written.
CardListResult ReadCardList(const QString& path, TrackSet tracks, const TrackLimits& limits);
// The same over the file's bytes; `fileName` names the file in errors.
CardListResult ParseCardList(std::string_view bytes, std::string_view fileName, TrackSet tracks,
                             const TrackLimits& limits);
