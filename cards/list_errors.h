#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "card_list.h"

// The reasons a card list cannot be written, as the operator sees them: the first
// kMaxListErrors in file order, then how many more there are.
class ListErrors {
  public:
    explicit ListErrors(std::string_view fileName) : fileName_(fileName) {}

    // "FILE:LINE: reason"; line 0 stands for the whole file ("FILE: reason").
    void Add(int line, std::string_view reason);
    // "FILE: 第n条记录：reason", for a list whose entries have no lines of their own.
    void AddForRecord(int record, std::string_view reason);
    bool Empty() const { return shown_.empty(); }
    // A row's problems as one reason.
    static std::string Joined(const std::vector<std::string>& problems);
    CardListResult Result() &&;

  private:
    void Keep(std::string error);

    std::string fileName_;
    std::vector<std::string> shown_;
    std::size_t more_ = 0;
    bool recordsCounted_ = false;
};
