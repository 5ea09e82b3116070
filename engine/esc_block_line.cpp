#include "esc_block_line.h"

#include <array>

namespace {

using Clock = std::chrono::steady_clock;
// Drivers allow from 150 ms to 2 s between the bytes of one reply.
constexpr std::chrono::milliseconds kReplyGap{2000};

}  // namespace

Heard ListenFor(SerialLink& link, std::string& bytes, const ReplyParse& parse,
                std::chrono::milliseconds limit, const std::function<bool()>& stopped,
                const LineRead& read) {
    const Clock::time_point start = Clock::now();
    Clock::time_point lastByte = start;
    while (true) {
        std::array<unsigned char, 64> chunk{};
        const auto size = static_cast<int32_t>(chunk.size());
        const int32_t n = read ? read(chunk.data(), size) : link.Read(chunk.data(), size);
        if (link.IsBroken()) return Heard::Broken;
        if (n > 0) {
            bytes.append(reinterpret_cast<const char*>(chunk.data()), static_cast<std::size_t>(n));
            lastByte = Clock::now();
            switch (parse(bytes)) {
                case EscBlock::Progress::Done:
                    return Heard::Whole;
                case EscBlock::Progress::Bad:
                    return Heard::Bad;
                case EscBlock::Progress::NeedMore:
                    break;
            }
        }
        if (stopped()) return Heard::Stopped;
        const Clock::time_point now = Clock::now();
        if (!bytes.empty() && now - lastByte > kReplyGap) return Heard::Bad;
        if (bytes.empty() && limit.count() > 0 && now - start > limit) return Heard::Silent;
    }
}
