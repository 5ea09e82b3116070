#pragma once

#include <optional>
#include <string>
#include <vector>

#include "swipe_cards.h"
#include "write_parser.h"

// How a card the device confirmed comes back when the next read swipes it.
enum class ReadBackMode {
    Same,     // as written
    Garbled,  // its first track with one byte changed
    Fail,     // its first track unreadable
};

// The written card waiting to be swiped back by the next read command, for a console
// that verifies what it wrote. The modes are taken in turn, one per confirmed card.
class ReadBackQueue {
  public:
    explicit ReadBackQueue(std::vector<ReadBackMode> modes) : modes_(std::move(modes)) {}

    // "same,garbled,fail" into modes; an error text for an unknown name.
    static std::optional<std::string> Parse(const std::string& list,
                                            std::vector<ReadBackMode>& modes);
    static const char* Usage();

    bool Enabled() const { return !modes_.empty(); }
    // A card the device confirmed: it is the next one swiped. The tracks it did not write
    // read as failed, or as blank when `othersBlank` (a device that tells the two apart).
    void Written(const CardTracks& tracks, bool othersBlank = false);
    // The card to swipe back, taken from the queue; nothing when none waits.
    std::optional<Card> Take();
    // A swipe of it that never went through: it waits again.
    void PutBack(const Card& card) { waiting_ = card; }

  private:
    std::vector<ReadBackMode> modes_;
    std::size_t next_ = 0;
    std::optional<Card> waiting_;
};
