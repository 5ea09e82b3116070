// The profile loader on any file bytes, and the INI reader under it: the loaded profile
// holds what the reader finds for each key, slots never overrun, and the reader's rules
// hold whatever the file looks like.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "device_profile.h"
#include "fuzz_input.h"
#include "hex_command.h"
#include "ini_file.h"

namespace {

constexpr std::size_t kValueBuffer = 299;

std::string Cased(std::string_view text, int (*change)(int)) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [change](unsigned char c) { return static_cast<char>(change(c)); });
    return out;
}

// The loader reads the profile from a file: one file per fuzzing process, removed at exit,
// in memory where the system offers a folder for that (ten times the speed of a disk).
struct ScratchFile {
    std::filesystem::path path =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path()) /
        ("profile_fuzzer_" + std::to_string(getpid()) + ".ini");
    ~ScratchFile() { std::filesystem::remove(path); }
};

void CheckLoadedProfile(std::string_view bytes) {
    static const ScratchFile file;
    std::ofstream(file.path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    DeviceProfile loaded;
    for (const CommandKey& key : kCommandKeys) (loaded.*key.slot).bytes.fill(0xAA);
    LoadDeviceProfile(loaded, file.path);

    const IniFile ini = IniFile::Parse(bytes);
    for (const CommandKey& key : kCommandKeys) {
        const CommandSlot& slot = loaded.*key.slot;
        CommandSlot expected;
        if (const auto value = ini.Value(kProfileSection, key.name))
            DecodeHexCommand(std::string_view(*value).substr(0, kValueBuffer), expected);
        Require(slot.bytes == expected.bytes, "a slot holds its value's bytes and nothing else");
        Require(slot.Length() <= CommandSlot::kMaxLength, "a slot holds at most 7 bytes");
    }
    Require(loaded.Tack1Num == ini.Integer(kProfileSection, "Tack1Num", 75), "Tack1Num");
    Require(loaded.Tack2Lower == ini.Integer(kProfileSection, "Tack2Lower", 36), "Tack2Lower");
    Require(loaded.Tack2High == ini.Integer(kProfileSection, "Tack2High", 104), "Tack2High");
    Require(loaded.SysDelay == ini.Integer(kProfileSection, "SysDelay", 3000), "SysDelay");
}

// Rules that relate the reader's answers to each other, so no second reader is needed:
// names match in any letter case; only the first section of a name counts, so nothing
// added after the text changes a value found in it; lines before the first header belong
// to no section.
void CheckReaderRules(std::string_view bytes) {
    const IniFile ini = IniFile::Parse(bytes);
    const IniFile appended = IniFile::Parse(std::string(bytes) + "\n[Command]\nReadHead=0x41\n");
    const IniFile prefixed = IniFile::Parse("[Other]\nReadHead=0x42\n" + std::string(bytes));
    for (const CommandKey& key : kCommandKeys) {
        const auto value = ini.Value(kProfileSection, key.name);
        Require(value == ini.Value("COMMAND", Cased(key.name, toupper)), "upper-case names");
        Require(value == ini.Value("command", Cased(key.name, tolower)), "lower-case names");
        Require(value == prefixed.Value(kProfileSection, key.name), "text before the header");
        if (value) Require(value == appended.Value(kProfileSection, key.name), "first one wins");
        Require(ini.String(kProfileSection, key.name, "", kValueBuffer).size() <= kValueBuffer,
                "values cut to the buffer");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLoadedProfile(bytes);
    CheckReaderRules(bytes);
    return 0;
}
