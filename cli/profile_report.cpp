#include "profile_report.h"

#include <QString>
#include <array>
#include <string_view>
#include <vector>

#include "ini_file.h"
#include "slot_needs.h"

namespace {

constexpr int kKeyWidth = 20;
constexpr std::string_view kLowerHexDigits = "0123456789abcdef";

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!text.empty()) text += ' ';
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xF];
    }
    return text;
}

std::string Row(std::string_view key, const std::string& value) {
    std::string row(key);
    row.resize(std::max<std::size_t>(row.size() + 1, kKeyWidth), ' ');
    return row + value + "\n";
}

struct Limit {
    std::string_view key;
    int32_t DeviceProfile::*field;
    const char* limits;  // what a value of 0 or less leaves unlimited
};

constexpr std::array<Limit, 4> kLimits = {{
    {"Tack1Num", &DeviceProfile::Tack1Num, "track-1 texts"},
    {"Tack2Lower", &DeviceProfile::Tack2Lower, "track-2 texts at low density"},
    {"Tack2High", &DeviceProfile::Tack2High, "track-2 texts at high density and track-3 texts"},
    {"SysDelay", &DeviceProfile::SysDelay, nullptr},
}};

// The characters in digit places that read as f without being f.
std::string DigitsReadAsF(std::string_view text) {
    std::string odd;
    for (std::size_t i = 2; i < text.size(); i += (i % 4 == 2) ? 1 : 3) {
        const char c = text[i];
        if (kLowerHexDigits.find(c) == std::string_view::npos && odd.find(c) == std::string::npos)
            odd += c;
    }
    return odd;
}

bool AllUpperHex(std::string_view characters) {
    return characters.find_first_not_of("ABCDEF") == std::string_view::npos;
}

// The warnings the text of one command key deserves, given what it decoded to.
void WarnAboutValue(std::string_view key, const std::string& text, const CommandSlot& slot,
                    std::vector<std::string>& warnings) {
    const std::string quoted = std::string(key) + "=" + text + ": ";
    if (text.size() % 4 != 0) {
        warnings.push_back(quoted + std::to_string(text.size()) +
                           " characters are no run of four-character groups (0x and two "
                           "digits), so the key is left empty");
        return;
    }
    const std::size_t groups = text.size() / 4;
    if (groups > CommandSlot::kMaxLength) {
        warnings.push_back(quoted + std::to_string(groups) +
                           " bytes, but a command holds at most 7, so the key is left empty");
        return;
    }
    if (const std::string odd = DigitsReadAsF(text); !odd.empty()) {
        std::string advice;
        if (AllUpperHex(odd)) {
            advice = "; write " + QString::fromStdString(text).toLower().toStdString();
        }
        warnings.push_back(quoted + "\"" + odd + "\"" +
                           (AllUpperHex(odd) ? " (upper case)" : " (no hex digit)") +
                           " read as f, so the bytes are " + HexBytes(slot.View()) + advice);
    }
    if (slot.Length() < groups) {
        warnings.push_back(quoted + (slot.Empty()
                                         ? "0x00 ends the command at once, so the key is empty"
                                         : "0x00 ends the command, so only " +
                                               HexBytes(slot.View()) + " is sent or compared"));
    }
}

}  // namespace

std::string ProfileReport(const std::filesystem::path& path, const DeviceProfile& profile) {
    const IniFile file = IniFile::Load(path);
    std::vector<std::string> warnings;
    std::string report = "Profile: " + path.string() + "\n\n";

    for (const Limit& limit : kLimits) {
        const int32_t value = profile.*limit.field;
        const bool given = file.Value(kProfileSection, limit.key).has_value();
        report += Row(limit.key, std::to_string(value) + (given ? "" : " (default)"));
        if (limit.limits != nullptr && value <= 0) {
            warnings.push_back(std::string(limit.key) + " is " + std::to_string(value) +
                               ": 0 or less sets no limit on " + limit.limits +
                               " (119 bytes at most still hold)");
        }
    }
    report += "\n";
    for (const CommandKey& key : kCommandKeys) {
        const CommandSlot& slot = profile.*key.slot;
        report += Row(key.name, slot.Empty() ? "-" : HexBytes(slot.View()));
        const std::optional<std::string> text = file.Value(kProfileSection, key.name);
        if (text && !text->empty()) WarnAboutValue(key.name, *text, slot, warnings);
    }
    for (const SlotGap& gap : GapsForAnyJob(profile)) warnings.push_back(gap.Warning());

    report += "\n";
    if (warnings.empty()) return report + "No warnings.\n";
    report +=
        std::to_string(warnings.size()) + (warnings.size() == 1 ? " warning:\n" : " warnings:\n");
    for (const std::string& warning : warnings) report += "  " + warning + "\n";
    return report;
}
