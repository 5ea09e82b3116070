#include "read_reply.h"

#include <algorithm>

namespace {

bool Matches(const unsigned char* bytes, std::string_view expected) {
    return std::equal(expected.begin(), expected.end(), bytes, [](char want, unsigned char got) {
        return static_cast<unsigned char>(want) == got;
    });
}

}  // namespace

ReplyReader::ReplyReader(const DeviceProfile& profile, ReadFn read, EndFn shouldEnd)
    : profile_(profile), read_(std::move(read)), shouldEnd_(std::move(shouldEnd)) {}

std::string_view ReplyReader::Data() const {
    // The last stored byte is the tail's first byte.
    return {reinterpret_cast<const char*>(collected_.data()), stored_ > 0 ? stored_ - 1 : 0};
}

int32_t ReplyReader::Read(unsigned char* buffer, std::size_t count) {
    return read_(buffer, static_cast<int32_t>(count));
}

ReplyReader::Outcome ReplyReader::AwaitReply() {
    Stage stage = WaitForHead();
    if (stage == Stage::Passed) stage = CollectData();
    if (stage == Stage::Passed) stage = CheckTail();
    switch (stage) {
        case Stage::Passed:
            return Outcome::Reply;
        case Stage::Resend:
            return Outcome::Resend;
        case Stage::End:
            break;
    }
    return Outcome::End;
}

// Every attempt counts against the limit, whatever it brings, so a device that sends
// noise is asked again as often as a silent one.
ReplyReader::Stage ReplyReader::WaitForHead() {
    const std::string_view head = profile_.ReadHead.View();
    while (true) {
        ++idle_;
        std::array<unsigned char, CommandSlot::kCapacity> buffer{};
        const int32_t n = Read(buffer.data(), head.size());
        if (shouldEnd_()) return Stage::End;
        if (idle_ > kIdleLimit) {
            idle_ = 0;
            return Stage::Resend;
        }
        if (n == static_cast<int32_t>(head.size()) && Matches(buffer.data(), head))
            return Stage::Passed;
    }
}

// One byte per read, so that the collection stops exactly at the tail's first byte and
// leaves the rest of the tail on the line for the check.
ReplyReader::Stage ReplyReader::CollectData() {
    const unsigned char tailFirst = profile_.ReadTail.First();
    stored_ = 0;
    idle_ = 0;
    while (true) {
        unsigned char byte = 0;
        const bool came = Read(&byte, 1) == 1;
        if (shouldEnd_()) return Stage::End;
        if (came) {
            collected_[stored_++] = byte;
        } else {
            ++idle_;
        }
        if (stored_ > kMaxReply || idle_ > kIdleLimit) {
            idle_ = 0;
            return Stage::Resend;
        }
        if (came && byte == tailFirst) return Stage::Passed;
    }
}

// A rest of the tail that comes short spoils the reply; one with wrong bytes is read
// over until a piece matches.
ReplyReader::Stage ReplyReader::CheckTail() {
    const std::string_view tail = profile_.ReadTail.View();
    const std::string_view rest = tail.substr(std::min<std::size_t>(1, tail.size()));
    while (true) {
        std::array<unsigned char, CommandSlot::kCapacity> buffer{};
        const int32_t n = Read(buffer.data(), rest.size());
        if (shouldEnd_()) return Stage::End;
        if (n != static_cast<int32_t>(rest.size())) return Stage::Resend;
        if (Matches(buffer.data(), rest)) return Stage::Passed;
    }
}
