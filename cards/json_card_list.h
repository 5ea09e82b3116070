#pragma once

#include <string_view>

#include "card_check.h"
#include "card_list.h"

// Whether a list file is a JSON records export, by its name.
bool IsJsonListName(std::string_view fileName);

// A JSON records export as a card list: each object is a card, and its trackN_hex fields
// give the selection's bytes exactly, even those GBK has no character for. Objects are
// checked as list rows are; `fileName` names the file in errors.
CardListResult ParseJsonCardList(std::string_view bytes, std::string_view fileName,
                                 TrackSet tracks, const TrackLimits& limits);
