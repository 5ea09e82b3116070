#include "gbk_sequence.h"

namespace {

bool IsLead(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

bool IsTrail(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

}  // namespace

size_t GbkSequenceLength(std::string_view gbk, size_t at) {
    const auto byte = static_cast<unsigned char>(gbk[at]);
    if (IsLead(byte) && at + 1 < gbk.size() && IsTrail(static_cast<unsigned char>(gbk[at + 1]))) {
        return 2;
    }
    return 1;
}

bool EndsInLeadByte(std::string_view gbk) {
    size_t at = 0;
    while (at + 1 < gbk.size()) at += GbkSequenceLength(gbk, at);
    // A walk that stops on the last byte started a character there.
    return at + 1 == gbk.size() && IsLead(static_cast<unsigned char>(gbk[at]));
}
