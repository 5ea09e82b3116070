#include "hid_reports.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr unsigned char kFirst = 0x80;
constexpr unsigned char kLast = 0x40;
constexpr unsigned char kCountMask = 0x3F;

std::string HeaderText(unsigned char header) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", header);
    return text;
}

}  // namespace

std::vector<HostReport> HostReports(std::string_view message) {
    std::vector<HostReport> reports;
    for (std::size_t at = 0; at < message.size(); at += kHidPayloadLimit) {
        const std::size_t count = std::min(kHidPayloadLimit, message.size() - at);
        HostReport report{};
        unsigned char header = static_cast<unsigned char>(count);
        if (at == 0) header |= kFirst;
        if (at + count == message.size()) header |= kLast;
        report[1] = header;
        std::copy_n(message.begin() + static_cast<std::ptrdiff_t>(at), count, report.begin() + 2);
        reports.push_back(report);
    }
    return reports;
}

std::size_t PayloadCount(const HostReport& report) {
    return report[1] & kCountMask;
}

ReplyJoiner::Outcome ReplyJoiner::Take(const unsigned char* report, std::size_t length) {
    if (complete_) TakeMessage();
    if (length == 0) return Refuse("an empty report");
    const unsigned char header = report[0];
    const std::size_t count = header & kCountMask;
    // Six bits never claim more than 63, but a report shorter than 64 bytes may hold
    // fewer than its header claims.
    if (count > length - 1) {
        return Refuse("a report of " + std::to_string(length) + " bytes whose header " +
                      HeaderText(header) + " claims " + std::to_string(count));
    }
    if ((header & kFirst) != 0) {
        message_.clear();
        open_ = true;
    } else if (!open_) {
        return Refuse("a report (header " + HeaderText(header) +
                      ") continuing a message that never began");
    }
    message_.append(reinterpret_cast<const char*>(report) + 1, count);
    if ((header & kLast) == 0) return Outcome::Partial;
    open_ = false;
    complete_ = true;
    return Outcome::Complete;
}

std::string ReplyJoiner::TakeMessage() {
    std::string message;
    if (complete_) message.swap(message_);
    complete_ = false;
    return message;
}

void ReplyJoiner::Clear() {
    message_.clear();
    open_ = false;
    complete_ = false;
}

ReplyJoiner::Outcome ReplyJoiner::Refuse(std::string problem) {
    Clear();
    problem_ = std::move(problem);
    return Outcome::Broken;
}
