#include "device_profile.h"

#include "hex_command.h"
#include "ini_file.h"

namespace {
// A fixed 300-character reader buffer: longer values arrive cut to 299 characters.
constexpr std::size_t kMaxValueLength = 299;
}  // namespace

const std::array<CommandKey, 40> kCommandKeys = {{
    {"ReadHead", &DeviceProfile::ReadHead},
    {"ReadTail", &DeviceProfile::ReadTail},
    {"ReadTack1", &DeviceProfile::ReadTack1},
    {"ReadTack1Wrong", &DeviceProfile::ReadTack1Wrong},
    {"ReadTack2", &DeviceProfile::ReadTack2},
    {"ReadTack2Wrong", &DeviceProfile::ReadTack2Wrong},
    {"ReadTack3", &DeviceProfile::ReadTack3},
    {"ReadTack3Wrong", &DeviceProfile::ReadTack3Wrong},
    {"ReadTack12", &DeviceProfile::ReadTack12},
    {"ReadTack12Wrong", &DeviceProfile::ReadTack12Wrong},
    {"ReadTack23", &DeviceProfile::ReadTack23},
    {"ReadTack23Wrong", &DeviceProfile::ReadTack23Wrong},
    {"SPaceCharacter12", &DeviceProfile::SPaceCharacter12},
    {"SpaceCharacter23", &DeviceProfile::SpaceCharacter23},
    {"WriteTack1", &DeviceProfile::WriteTack1},
    {"WriteTack2", &DeviceProfile::WriteTack2},
    {"WriteTack3", &DeviceProfile::WriteTack3},
    {"WriteTack12", &DeviceProfile::WriteTack12},
    {"WriteTack23", &DeviceProfile::WriteTack23},
    {"WriteTail", &DeviceProfile::WriteTail},
    {"WriteTack1Wrong", &DeviceProfile::WriteTack1Wrong},
    {"WriteTack1Right", &DeviceProfile::WriteTack1Right},
    {"WriteTack2Wrong", &DeviceProfile::WriteTack2Wrong},
    {"WriteTack2Right", &DeviceProfile::WriteTack2Right},
    {"WriteTack3Wrong", &DeviceProfile::WriteTack3Wrong},
    {"WriteTack3Right", &DeviceProfile::WriteTack3Right},
    {"WriteTack12Wrong", &DeviceProfile::WriteTack12Wrong},
    {"WriteTack12Right", &DeviceProfile::WriteTack12Right},
    {"WriteTack23Wrong", &DeviceProfile::WriteTack23Wrong},
    {"WriteTack23Right", &DeviceProfile::WriteTack23Right},
    {"SoftReset", &DeviceProfile::SoftReset},
    {"HardReset", &DeviceProfile::HardReset},
    {"CmdCommunication", &DeviceProfile::CmdCommunication},
    {"BackCommunication", &DeviceProfile::BackCommunication},
    {"CmdSetISO", &DeviceProfile::CmdSetISO},
    {"CmdSetIBM", &DeviceProfile::CmdSetIBM},
    {"CmdSetTack2Lower", &DeviceProfile::CmdSetTack2Lower},
    {"CmdSetTack2High", &DeviceProfile::CmdSetTack2High},
    {"CmdSetHighWrite", &DeviceProfile::CmdSetHighWrite},
    {"CmdCheckStatus", &DeviceProfile::CmdCheckStatus},
}};

void ClearCommandSlots(DeviceProfile& profile) {
    for (const auto& key : kCommandKeys) (profile.*key.slot).Clear();
}

const std::array<NumberKey, 4> kNumberKeys{{
    {"Tack1Num", &DeviceProfile::Tack1Num, DeviceProfile::kDefaultTack1Num},
    {"Tack2Lower", &DeviceProfile::Tack2Lower, DeviceProfile::kDefaultTack2Lower},
    {"Tack2High", &DeviceProfile::Tack2High, DeviceProfile::kDefaultTack2High},
    {"SysDelay", &DeviceProfile::SysDelay, DeviceProfile::kDefaultSysDelay},
}};

void LoadProfileLimits(DeviceProfile& profile, const IniFile& file) {
    for (const NumberKey& key : kNumberKeys) {
        profile.*key.field = file.Integer(kProfileSection, key.name, key.fallback);
    }
}

void LoadCommandStrings(DeviceProfile& profile, const IniFile& file) {
    for (const auto& key : kCommandKeys) {
        DecodeHexCommand(file.String(kProfileSection, key.name, "", kMaxValueLength),
                         profile.*key.slot);
    }
}

void LoadProtocolSection(DeviceProfile& profile, const IniFile& file) {
    profile.Protocol = LoadProtocolSettings(file);
}

void LoadDeviceProfile(DeviceProfile& profile, const std::filesystem::path& path) {
    const IniFile file = IniFile::Load(path);
    ClearCommandSlots(profile);
    LoadProfileLimits(profile, file);
    LoadCommandStrings(profile, file);
    LoadProtocolSection(profile, file);
}
