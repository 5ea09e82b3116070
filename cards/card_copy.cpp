#include "card_copy.h"

#include "json_card_list.h"
#include "record_export.h"

CardListResult CopiesOfCard(const CardRecord& card, int count, const TrackLimits& limits) {
    CardListResult list =
        ParseJsonCardList(RecordsJson({card}), "the card read", card.tracks, limits);
    if (!list.errors.empty()) return list;
    const ListCard copy = list.cards.front();
    list.cards.assign(static_cast<std::size_t>(count), copy);
    return list;
}
