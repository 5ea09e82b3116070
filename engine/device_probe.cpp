#include "device_probe.h"

#include "device_commands.h"
#include "esc_block_codec.h"
#include "esc_block_line.h"

namespace {

constexpr std::chrono::milliseconds kAnswerWait{1000};

// The reply to one question, or nothing when none, or none whole, came.
template <typename Parse>
std::optional<std::string> Ask(SerialLink& link, const std::string& question, Parse parse) {
    SendBytes(link, question);
    std::string bytes;
    const Heard heard = ListenFor(
        link, bytes, [&](std::string_view b) { return parse(b).progress; }, kAnswerWait,
        [] { return false; });
    if (heard != Heard::Whole) return std::nullopt;
    return parse(bytes).text;
}

}  // namespace

ProbeResult ProbeEscBlock(SerialLink& link) {
    ProbeResult result;
    SendBytes(link, EscBlock::CommunicationTest());
    std::string bytes;
    const Heard heard =
        ListenFor(link, bytes, EscBlock::ParseCommunication, kAnswerWait, [] { return false; });
    if (heard != Heard::Whole) {
        result.other = bytes;
        return result;
    }
    result.answered = true;
    result.lostEsc = bytes.front() != '\x1B';
    result.model = Ask(link, EscBlock::ModelQuery(), EscBlock::ParseModel);
    result.firmware = Ask(link, EscBlock::FirmwareQuery(), EscBlock::ParseFirmware);
    return result;
}
