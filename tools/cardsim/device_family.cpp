#include "device_family.h"

#include <algorithm>
#include <cctype>

#include "control_escape.h"
#include "ini_file.h"

std::optional<DeviceFamily> FamilyNamed(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "commands") return DeviceFamily::Commands;
    if (lower == "esc-block") return DeviceFamily::EscBlock;
    return std::nullopt;
}

std::optional<std::string> ChooseFamily(const std::optional<std::string>& option,
                                        const std::filesystem::path& profile,
                                        DeviceFamily& family) {
    const std::optional<std::string> name =
        option ? option : IniFile::Load(profile).Value("Protocol", "Family");
    if (!name) {
        family = DeviceFamily::Commands;
        return std::nullopt;
    }
    if (const auto named = FamilyNamed(*name)) {
        family = *named;
        return std::nullopt;
    }
    const std::string source = option ? "--family" : profile.string() + ": [Protocol] Family";
    return source + " '" + EscapeControls(*name) + "' is neither commands nor esc-block";
}
