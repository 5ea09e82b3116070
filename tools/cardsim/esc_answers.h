#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "read_swipe.h"
#include "swipe_cards.h"
#include "write_scenario.h"

// What an ESC-block device sends back.

// ESC and a status ('0' done, '1' read/write error, ...).
std::string EscStatus(char status);

// The read block of a swipe: each track between its sentinels ('%' and '?' for track 1,
// ';' and '?' for tracks 2 and 3), ESC '+' for a blank track and ESC '*' for one the
// reader fails on, after its marker; then 3F 1C and ESC status.
std::string EscReadBlock(const Card& card, char status);

// The pieces of a swipe as the scenario has it, each after a pause; empty when silent.
// A split swipe breaks between a marker's ESC and its number and between the tail's 3F
// and 1C, where a parser that matches whole markers or the first 3F goes wrong.
std::vector<std::string> EscSwipePieces(SwipeScenario scenario, const Card& card);

// The status a write answer of the scenario carries; nothing for silence.
std::optional<char> EscWriteStatus(WriteScenario::Reply reply);

// The first byte of a write's tracks outside its track's character set (track 1: 20-5F
// but 3F; tracks 2 and 3: 30-3E), as "track N byte XX"; nothing when all are good.
std::optional<std::string> EscBadCharacter(const std::array<std::string, 3>& tracks);
