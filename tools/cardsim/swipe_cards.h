#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One card's stripe as the simulated reader finds it. A track that is not on the card, or
// that the list marks unreadable, reads as a failure.
struct Card {
    std::array<std::optional<std::string>, 3> tracks;  // [0] is track 1

    const std::optional<std::string>& Track(int number) const { return tracks.at(number - 1); }
};

// Card list text, one card per line:
//   2=4000001234567899=25121010000000000;3=994000001234567899=156...;1=!
// Fields are separated by ';' and name a track (1, 2, 3) before '='. The value is the
// track's characters as they are, "!" for a track the reader fails on, or "hex:" and
// hexadecimal digits for raw bytes (so ';', NUL or bytes above 0x7F can be put on a card).
// Blank lines and lines starting with '#' are skipped.

// A card from one line, or nothing with the reason in `error`.
std::optional<Card> ParseCard(std::string_view line, std::string& error);
// Every card of a list; on a bad line or an unreadable or empty file, no cards and the
// reason (with the line number) in `error`.
std::vector<Card> LoadCardList(const std::string& path, std::string& error);
// A few cards that look like real ones, some with unreadable tracks.
std::vector<Card> SampleCards();
// The card in the list's own notation, for the simulator's report of each swipe.
std::string DescribeCard(const Card& card);
