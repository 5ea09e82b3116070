#include "list_errors.h"

#include "card_texts.h"

void ListErrors::Add(int line, std::string_view reason) {
    std::string error = fileName_;
    if (line > 0) error += ":" + std::to_string(line);
    Keep(error + ": " + std::string(reason));
}

void ListErrors::AddForRecord(int record, std::string_view reason) {
    recordsCounted_ = true;
    Keep(fileName_ + ": " + CardTexts::AtRecord(record) + std::string(reason));
}

void ListErrors::Keep(std::string error) {
    if (shown_.size() < kMaxListErrors)
        shown_.push_back(std::move(error));
    else
        ++more_;
}

std::string ListErrors::Joined(const std::vector<std::string>& problems) {
    std::string joined;
    for (const std::string& problem : problems)
        joined += (joined.empty() ? "" : CardTexts::ProblemSeparator()) + problem;
    return joined;
}

CardListResult ListErrors::Result() && {
    if (more_ > 0)
        shown_.push_back(recordsCounted_ ? CardTexts::MoreBadRecords(more_)
                                         : CardTexts::MoreBadRows(more_));
    return {{}, std::move(shown_)};
}
