#include "profile_report.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <vector>

#include "card_check.h"
#include "cardctl_text.h"
#include "hex_bytes.h"
#include "hex_command.h"
#include "ini_file.h"
#include "key_gaps.h"

namespace {

// "KEY=VALUE: expected …", the profile's bytes as they are.
std::string ProblemText(const ProtocolProblem& problem) {
    using Wanted = ProtocolProblem::Wanted;
    QString wanted;
    switch (problem.wanted) {
        case Wanted::Family:
            wanted = CardctlText::tr("commands or esc-block");
            break;
        case Wanted::Bpi:
            wanted = CardctlText::tr("210 or 75");
            break;
        case Wanted::Count:
            wanted = CardctlText::tr("a count from 0 to 255");
            break;
        case Wanted::BitsPerChar:
            wanted = CardctlText::tr("5 to 8, or three such numbers separated by commas");
            break;
        case Wanted::Milliseconds:
            wanted = CardctlText::tr("milliseconds (0 waits until Stop)");
            break;
        case Wanted::Link:
            wanted = CardctlText::tr("serial or hid");
            break;
        case Wanted::UsbId:
            wanted = CardctlText::tr("a USB id, four hex digits such as %1");
            break;
    }
    return Filled(CardctlText::tr("%1=%2: expected %3"),
                  {problem.key, problem.value, Filled(wanted, {problem.example})});
}

constexpr int kKeyWidth = 20;

std::string Row(std::string_view key, const std::string& value) {
    std::string row(key);
    row.resize(std::max<std::size_t>(row.size() + 1, kKeyWidth), ' ');
    return row + value + "\n";
}

// The texts a number key limits, as the track boxes take their limits: "track-2 texts at
// high density and track-3 texts"; empty for a key that limits none.
std::string TextsLimitedBy(std::string_view key) {
    const TrackLimits low = TrackLimitsFor(DeviceProfile{}, true);
    const TrackLimits high = TrackLimitsFor(DeviceProfile{}, false);
    std::string texts;
    for (int track = 1; track <= kTrackCount; ++track) {
        const bool atLow = low.keys[track - 1] == key;
        const bool atHigh = high.keys[track - 1] == key;
        if (!atLow && !atHigh) continue;
        const QString what = atLow == atHigh ? CardctlText::tr("track-%1 texts")
                             : atLow         ? CardctlText::tr("track-%1 texts at low density")
                                             : CardctlText::tr("track-%1 texts at high density");
        texts += (texts.empty() ? std::string() : CardctlText::tr(" and ").toStdString()) +
                 Filled(what, {std::to_string(track)});
    }
    return texts;
}

// Whether the whole text is the number it is read as: the reader takes the leading
// digits and makes what follows, or a text without digits, silently 0.
bool IsWholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    text = first == std::string_view::npos ? std::string_view() : text.substr(first);
    text = text.substr(0, text.find_last_not_of(" \t") + 1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool AllUpperHex(std::string_view characters) {
    return characters.find_first_not_of("ABCDEF") == std::string_view::npos;
}

// The warnings the text of one command key deserves, given how it was read.
void WarnAboutValue(std::string_view key, const std::string& text,
                    std::vector<std::string>& warnings) {
    CommandSlot slot;
    const HexReading reading = DecodeHexCommand(text, slot);
    const std::string quoted = std::string(key) + "=" + text + ": ";
    switch (reading.refusal) {
        case HexReading::Refusal::BadLength:
            warnings.push_back(quoted + Filled(CardctlText::tr("%1 characters are no run of "
                                                               "four-character groups (0x and two "
                                                               "digits), so the key is left empty"),
                                               {std::to_string(text.size())}));
            return;
        case HexReading::Refusal::TooManyBytes:
            warnings.push_back(
                quoted +
                Filled(CardctlText::tr("%1 bytes, but a command holds at most %2, so the "
                                       "key is left empty"),
                       {std::to_string(reading.groups), std::to_string(CommandSlot::kMaxLength)}));
            return;
        case HexReading::Refusal::None:
            break;
    }
    if (const std::string& odd = reading.readAsF; !odd.empty()) {
        const bool upper = AllUpperHex(odd);
        const QString message =
            upper ? CardctlText::tr("\"%1\" (upper case) read as f, so the bytes are %2; write %3")
                  : CardctlText::tr("\"%1\" (no hex digit) read as f, so the bytes are %2");
        warnings.push_back(quoted +
                           Filled(message, {odd, HexBytes(slot.View()),
                                            QString::fromStdString(text).toLower().toStdString()}));
    }
    if (reading.cutAtZero) {
        warnings.push_back(
            quoted + (slot.Empty()
                          ? CardctlText::tr("0x00 ends the command at once, so the key is empty")
                                .toStdString()
                          : Filled(CardctlText::tr("0x00 ends the command, so only %1 is sent or "
                                                   "compared"),
                                   {HexBytes(slot.View())})));
    }
}

// Letters to change, add or remove to make one key the other, case aside.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            const std::size_t next =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = row[j];
            row[j] = next;
        }
    }
    return row[b.size()];
}

// A key the profile reader does not know is a slip the author cannot see otherwise: the
// key it was meant for is just empty.
void WarnAboutUnknownKeys(const IniFile& file, std::vector<std::string>& warnings) {
    std::vector<std::string_view> known;
    for (const NumberKey& key : kNumberKeys) known.push_back(key.name);
    for (const CommandKey& key : kCommandKeys) known.push_back(key.name);
    for (const std::string& key : file.Keys(kProfileSection)) {
        std::string_view nearest;
        std::size_t best = key.size();
        for (const std::string_view name : known) {
            const std::size_t distance = Distance(key, name);
            if (distance < best) {
                best = distance;
                nearest = name;
            }
        }
        if (best == 0) continue;
        // A guess that changes a third of the key is no longer a slip.
        warnings.push_back(
            3 * best <= key.size()
                ? Filled(CardctlText::tr("%1: unknown key; did you mean %2?"), {key, nearest})
                : Filled(CardctlText::tr("%1: unknown key"), {key}));
    }
}

std::string Setting(const std::optional<int>& value) {
    return value ? std::to_string(*value) : CardctlText::tr("- (the device's own)").toStdString();
}

// The [Protocol] section: the family and the settings that tune it. The commands family,
// every profile's without the section, needs no rows: its report stays as it always was.
std::string ProtocolRows(const ProtocolSettings& protocol, std::vector<std::string>& warnings) {
    std::string rows;
    if (protocol.family == DeviceFamilyKind::EscBlock) {
        rows += Row("Family", std::string(FamilyName(protocol.family)));
        const auto& bits = protocol.bitsPerChar;
        rows += Row("Track1Bpi", Setting(protocol.track1Bpi));
        rows += Row("Track3Bpi", Setting(protocol.track3Bpi));
        rows += Row("LeadingZeros13", Setting(protocol.leadingZeros13));
        rows += Row("LeadingZeros2", Setting(protocol.leadingZeros2));
        rows += Row("BitsPerChar", bits ? std::to_string((*bits)[0]) + "," + std::to_string((*bits)[1]) +
                                              "," + std::to_string((*bits)[2])
                                        : Setting(std::nullopt));
        rows += Row("SwipeTimeoutMs", protocol.swipeTimeoutMs == 0
                                          ? CardctlText::tr("0 (waits until Stop)").toStdString()
                                          : std::to_string(protocol.swipeTimeoutMs));
        if (protocol.leadingZeros13.has_value() != protocol.leadingZeros2.has_value()) {
            warnings.push_back(CardctlText::tr("LeadingZeros13 and LeadingZeros2 are sent "
                                               "together: with one of them alone neither is sent")
                                   .toStdString());
        }
        rows += CardctlText::tr(
                    "The [Command] keys are ignored: the esc-block family sends its "
                    "own frames.")
                    .toStdString() +
                "\n";
    }
    for (const ProtocolProblem& problem : protocol.problems) warnings.push_back(ProblemText(problem));
    return rows.empty() ? rows : rows + "\n";
}

}  // namespace

std::string ProfileReport(const std::filesystem::path& path, const DeviceProfile& profile,
                          std::size_t* warningCount) {
    const IniFile file = IniFile::Load(path);
    std::vector<std::string> warnings;
    std::string report = Filled(CardctlText::tr("Profile: %1"), {path.string()}) + "\n\n";
    report += ProtocolRows(profile.Protocol, warnings);

    for (const NumberKey& key : kNumberKeys) {
        const int32_t value = profile.*key.field;
        const std::optional<std::string> text = file.Value(kProfileSection, key.name);
        const std::string number = std::to_string(value);
        report += Row(key.name, text ? number : Filled(CardctlText::tr("%1 (default)"), {number}));
        if (text && !IsWholeNumber(*text)) {
            warnings.push_back(Filled(CardctlText::tr("%1=%2: not a number, read as %3"),
                                      {key.name, *text, number}));
        }
        const std::string limited = TextsLimitedBy(key.name);
        if (!limited.empty() && value <= 0) {
            warnings.push_back(Filled(CardctlText::tr("%1 is %2: 0 or less sets no limit on %3 "
                                                      "(%4 bytes at most still hold)"),
                                      {key.name, number, limited, std::to_string(kMaxTrackBytes)}));
        }
    }
    report += "\n";
    for (const CommandKey& key : kCommandKeys) {
        const CommandSlot& slot = profile.*key.slot;
        report += Row(key.name, slot.Empty() ? "-" : HexBytes(slot.View()));
        const std::optional<std::string> text = file.Value(kProfileSection, key.name);
        if (text && !text->empty()) WarnAboutValue(key.name, *text, warnings);
    }
    WarnAboutUnknownKeys(file, warnings);
    for (const KeyGap& gap : GapsForAnyJob(profile)) warnings.push_back(gap.Warning());

    report += "\n";
    if (warningCount != nullptr) *warningCount = warnings.size();
    if (warnings.empty()) return report + CardctlText::tr("No warnings.").toStdString() + "\n";
    report += Filled(warnings.size() == 1 ? CardctlText::tr("%1 warning:")
                                          : CardctlText::tr("%1 warnings:"),
                     {std::to_string(warnings.size())}) +
              "\n";
    for (const std::string& warning : warnings) report += "  " + warning + "\n";
    return report;
}
