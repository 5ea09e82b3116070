#pragma once

#include "card_check.h"
#include "card_list.h"
#include "card_record.h"

// A list of `count` copies of the card a read gave, byte for byte. The card
// goes through a JSON records export and is read back as a card list, which is how the
// window copies a card, so it is checked against the write as any list is.
CardListResult CopiesOfCard(const CardRecord& card, int count, const TrackLimits& limits);
