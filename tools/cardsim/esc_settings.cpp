#include "esc_settings.h"

#include <algorithm>
#include <cstdio>

#include "esc_answers.h"

namespace {

using Kind = EscCommand::Kind;

struct DensityCode {
    unsigned char code;
    std::size_t track;  // 0 for track 1
    int bpi;
};

constexpr std::array<DensityCode, 6> kDensityCodes = {{
    {0xa1, 0, 210},
    {0xa0, 0, 75},
    {0xd2, 1, 210},
    {0x4b, 1, 75},
    {0xc1, 2, 210},
    {0xc0, 2, 75},
}};

std::string Refused(const char* what, unsigned char byte) {
    std::fprintf(stderr, "cardsim: %s %02x unknown; answered 1b 34\n", what, byte);
    return EscStatus('4');
}

}  // namespace

std::optional<std::string> EscSettings::Apply(const EscCommand& command) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(command.parameters[i]);
    };
    switch (command.kind) {
        case Kind::HighCoercivity:
        case Kind::LowCoercivity:
            high_ = command.kind == Kind::HighCoercivity;
            return EscStatus('0');
        case Kind::WhichCoercivity:
            return EscStatus(high_ ? '\x68' : '\x6c');
        case Kind::Density:
            return SetDensity(byte(0));
        case Kind::BitsPerChar:
            return SetBitsPerChar(command.parameters);
        case Kind::LeadingZeros:
            zeros13_ = byte(0);
            zeros2_ = byte(1);
            return EscStatus('0');
        case Kind::ReadLeadingZeros:
            return std::string{kEsc, static_cast<char>(zeros13_), static_cast<char>(zeros2_)};
        default:
            return std::nullopt;
    }
}

std::string EscSettings::SetDensity(unsigned char code) {
    const auto known = std::find_if(kDensityCodes.begin(), kDensityCodes.end(),
                                    [&](const DensityCode& d) { return d.code == code; });
    if (known == kDensityCodes.end()) return Refused("density code", code);
    bpi_[known->track] = known->bpi;
    return EscStatus('0');
}

std::string EscSettings::SetBitsPerChar(const std::string& bits) {
    for (const unsigned char b : bits) {
        if (b < 5 || b > 8) return Refused("bits per character", b);
    }
    std::copy(bits.begin(), bits.end(), bits_.begin());
    return EscStatus('0') + bits;
}

std::string EscSettings::Describe() const {
    char text[96];
    std::snprintf(text, sizeof text, "%s coercivity, %d/%d/%d bpi, %d/%d/%d bits",
                  high_ ? "high" : "low", bpi_[0], bpi_[1], bpi_[2], bits_[0], bits_[1], bits_[2]);
    return text;
}
