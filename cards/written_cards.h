#pragma once

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "card_list.h"
#include "track_set.h"

// The cards a journal (or a records CSV export) shows written and confirmed, and a card
// list without them, for a list write that goes on where an earlier one stopped.

struct ConfirmedCard {
    int line = 0;  // where its row starts in the journal, counting from 1
    int card = 0;  // its place in its job, as the row's `card` column gives it
    TrackSet tracks = TrackSet::Track2;
    // GBK as the device received it, by track number - 1; empty outside `tracks`.
    std::array<std::string, kTrackCount> gbk;
};

struct ConfirmedCardsResult {
    std::vector<ConfirmedCard> cards;
    std::string error;  // "FILE: reason" when the file cannot be read as a journal
    // Cards whose `sending` row no later row of the same texts follows: a kill or a power
    // cut came while they were out, so each may or may not be on its card.
    std::vector<ConfirmedCard> unsure;
};

// A journal grows with every card written through it, the window's across all its jobs,
// so it may be far larger than a list; a file beyond this (a device, a wrong file) is
// refused rather than read into memory.
inline constexpr std::size_t kMaxJournalFileBytes = 256 * 1024 * 1024;

// Rows of kind `write` whose every track of its selection is `ok` (or `unverified`: the
// device confirmed it). Other rows, and rows a kill or a power cut left torn (cut short,
// unreadable), are no confirmed card.
ConfirmedCardsResult ReadConfirmedCards(const QString& path);
ConfirmedCardsResult ParseConfirmedCards(std::string_view bytes, std::string_view fileName);

struct ResumedList {
    std::vector<ListCard> remaining;  // the list's cards not yet written, in list order
    int skipped = 0;
    // Confirmed cards that no row of the list is left for.
    std::vector<ConfirmedCard> unmatched;
    // Unsure cards that a row of `remaining` is still left for: writing that row may write
    // the card twice.
    std::vector<ConfirmedCard> unsure;
};

// Each confirmed card of the selection leaves out the first row of the list not yet left
// out whose selection's texts are the same bytes, so a row that occurs twice needs two
// confirmed cards. A confirmed card of another selection matches no row.
// Each of `unsure` that a row is left for is named in the result's `unsure`.
ResumedList LeaveOutWritten(const std::vector<ListCard>& list, TrackSet tracks,
                            const std::vector<ConfirmedCard>& confirmed,
                            const std::vector<ConfirmedCard>& unsure = {});
