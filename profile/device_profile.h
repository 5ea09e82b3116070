#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "command_slot.h"
#include "protocol_settings.h"

class IniFile;

// Everything the program knows of a device's command language; none of these bytes is
// built in. Field names are the profile file's key names ("Tack" is the file's word).
struct DeviceProfile {
    CommandSlot ReadTack1;
    CommandSlot ReadTack2;
    CommandSlot ReadTack3;
    CommandSlot ReadTack12;
    CommandSlot ReadTack23;
    CommandSlot ReadHead;
    CommandSlot ReadTail;
    CommandSlot ReadTack1Wrong;
    CommandSlot ReadTack2Wrong;
    CommandSlot ReadTack3Wrong;
    CommandSlot ReadTack12Wrong;
    CommandSlot ReadTack23Wrong;
    CommandSlot SPaceCharacter12;
    CommandSlot SpaceCharacter23;
    CommandSlot WriteTack1;
    CommandSlot WriteTack2;
    CommandSlot WriteTack3;
    CommandSlot WriteTack12;
    CommandSlot WriteTack23;
    CommandSlot WriteTail;
    CommandSlot WriteTack1Wrong;
    CommandSlot WriteTack1Right;
    CommandSlot WriteTack2Wrong;
    CommandSlot WriteTack2Right;
    CommandSlot WriteTack3Wrong;
    CommandSlot WriteTack3Right;
    CommandSlot WriteTack12Wrong;
    CommandSlot WriteTack12Right;
    CommandSlot WriteTack23Wrong;
    CommandSlot WriteTack23Right;
    CommandSlot SoftReset;
    CommandSlot HardReset;
    CommandSlot CmdCommunication;
    CommandSlot BackCommunication;
    CommandSlot CmdSetISO;
    CommandSlot CmdSetIBM;
    CommandSlot CmdSetTack2Lower;
    CommandSlot CmdSetTack2High;
    CommandSlot CmdSetHighWrite;
    CommandSlot CmdCheckStatus;

    int32_t Tack1Num = kDefaultTack1Num;
    int32_t Tack2Lower = kDefaultTack2Lower;
    int32_t Tack2High = kDefaultTack2High;
    int32_t SysDelay = kDefaultSysDelay;

    // The [Protocol] section: which family speaks to the device, and its settings.
    ProtocolSettings Protocol;

    static constexpr int32_t kDefaultTack1Num = 75;
    static constexpr int32_t kDefaultTack2Lower = 36;
    static constexpr int32_t kDefaultTack2High = 104;
    static constexpr int32_t kDefaultSysDelay = 3000;
};

struct CommandKey {
    std::string_view name;
    CommandSlot DeviceProfile::*slot;
};

struct NumberKey {
    std::string_view name;
    int32_t DeviceProfile::*field;
    int32_t fallback;  // when the file does not give it
};

inline constexpr std::string_view kProfileSection = "Command";

// The forty keys in the order they are read from the file.
extern const std::array<CommandKey, 40> kCommandKeys;
// The track limits, then SysDelay.
extern const std::array<NumberKey, 4> kNumberKeys;

// The loading steps, separate because the console interleaves them with its own
// initialisation; LoadDeviceProfile runs them all.
void ClearCommandSlots(DeviceProfile& profile);
void LoadProfileLimits(DeviceProfile& profile, const IniFile& file);
void LoadCommandStrings(DeviceProfile& profile, const IniFile& file);
void LoadProtocolSection(DeviceProfile& profile, const IniFile& file);
void LoadDeviceProfile(DeviceProfile& profile, const std::filesystem::path& path);
