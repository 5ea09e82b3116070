#pragma once

#include <optional>
#include <string>
#include <vector>

#include "swipe_cards.h"
#include "command_line.h"
#include "read_swipe.h"

// What the simulated reader swipes and how: the cards and the scenarios are taken in
// turn, starting again after the last.
struct ReadSettings {
    std::vector<Card> cards = SampleCards();
    std::vector<SwipeScenario> scenarios{SwipeScenario::Good};
    int swipeMs = 1500;  // from a read command to the swipe
    int pauseMs = 150;   // between the pieces of a garbage or split swipe

    static std::vector<std::string> OptionNames();
    static const char* Usage();
    // Reads the options into `settings`; an error text when one does not make sense.
    static std::optional<std::string> Parse(const CommandLine& options, ReadSettings& settings);
};
