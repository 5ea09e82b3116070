#include "device_profile.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "temp_dir.h"

namespace {

DeviceProfile LoadFromText(const std::string& text) {
    TempDir dir;
    WriteFile(dir / "QXProduct.ini", text);
    DeviceProfile profile;
    LoadDeviceProfile(profile, dir / "QXProduct.ini");
    return profile;
}

void ExpectAllSlotsEmpty(const DeviceProfile& profile) {
    for (const auto& key : kCommandKeys) EXPECT_TRUE((profile.*key.slot).Empty()) << key.name;
}

void ExpectDefaultLimits(const DeviceProfile& profile) {
    EXPECT_EQ(profile.Tack1Num, 75);
    EXPECT_EQ(profile.Tack2Lower, 36);
    EXPECT_EQ(profile.Tack2High, 104);
    EXPECT_EQ(profile.SysDelay, 3000);
}

TEST(DeviceProfile, KeysCoverEverySlotOnce) {
    const DeviceProfile profile;
    std::set<const CommandSlot*> slots;
    std::set<std::string_view> names;
    for (const auto& key : kCommandKeys) {
        slots.insert(&(profile.*key.slot));
        names.insert(key.name);
    }
    EXPECT_EQ(slots.size(), 40u);
    EXPECT_EQ(names.size(), 40u);
    EXPECT_EQ(kCommandKeys.front().name, "ReadHead");
    EXPECT_EQ(kCommandKeys.back().name, "CmdCheckStatus");
}

TEST(DeviceProfile, WithoutFileSectionOrKeysEverythingDefaults) {
    const std::string texts[] = {"", "[Other]\nSysDelay=1\nReadHead=0x1b\n", "[Command]\n",
                                 "\x01\x02\xff\xfe"};
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        const DeviceProfile profile = LoadFromText(text);
        ExpectDefaultLimits(profile);
        ExpectAllSlotsEmpty(profile);
    }
    DeviceProfile missing;
    missing.ReadHead.bytes[0] = 0x55;
    LoadDeviceProfile(missing, "/nonexistent/QXProduct.ini");
    ExpectDefaultLimits(missing);
    ExpectAllSlotsEmpty(missing);
}

TEST(DeviceProfile, LoadsLimitsAndSlotsWhateverTheCaseOfTheKeys) {
    const DeviceProfile profile = LoadFromText(
        "[COMMAND]\nsysdelay=250\nTACK1NUM=12abc\nTack2Lower=abc\n"
        "spacecharacter12=0x1e\nReadTail=0x1d0x0d\nSoftReset=0x1b0x61\nSoftReset=0x99\n");
    EXPECT_EQ(profile.SysDelay, 250);
    EXPECT_EQ(profile.Tack1Num, 12);
    EXPECT_EQ(profile.Tack2Lower, 0);
    EXPECT_EQ(profile.Tack2High, 104);
    EXPECT_EQ(profile.SPaceCharacter12.View(), "\x1e");
    EXPECT_EQ(profile.ReadTail.View(), "\x1d\x0d");
    EXPECT_EQ(profile.SoftReset.View(), "\x1b\x61");  // first occurrence wins
}

TEST(DeviceProfile, LoadingClearsWhatAnEarlierLoadLeft) {
    DeviceProfile profile;
    TempDir dir;
    WriteFile(dir / "a.ini", "[Command]\nReadHead=0x1b\n");
    LoadDeviceProfile(profile, dir / "a.ini");
    ASSERT_FALSE(profile.ReadHead.Empty());
    WriteFile(dir / "b.ini", "[Command]\nReadTail=0x0d\n");
    LoadDeviceProfile(profile, dir / "b.ini");
    EXPECT_TRUE(profile.ReadHead.Empty());
}

TEST(DeviceProfile, OverlongValuesAffectOnlyTheirOwnSlot) {
    const DeviceProfile profile = LoadFromText(
        "[Command]\nReadHead=0x010x020x030x040x050x060x070x08\nReadTail=" + std::string(299, 'a') +
        "\nSoftReset=" + std::string(300, '1') + "\nCmdCheckStatus=0x3f\nTack1Num=9\n");
    EXPECT_TRUE(profile.ReadHead.Empty());
    EXPECT_TRUE(profile.ReadTail.Empty());
    EXPECT_TRUE(profile.SoftReset.Empty());
    EXPECT_EQ(profile.CmdCheckStatus.View(), "\x3f");
    EXPECT_EQ(profile.Tack1Num, 9);
}

TEST(DeviceProfile, SurvivesHostileFiles) {
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (auto& c : noise) c = static_cast<char>(random());
    const std::string hostile[] = {
        noise,
        "[Command]\nReadHead=" + std::string(1 << 20, '7') + "\nReadTail=0x0d\n",
        "[Command]\n" + std::string(1 << 20, '='),
        "[Command\nReadHead=0x1b\n[\n]\n=\n",
    };
    for (const auto& text : hostile) {
        const DeviceProfile profile = LoadFromText(text);
        for (const auto& key : kCommandKeys) EXPECT_LE((profile.*key.slot).Length(), 7u);
    }
}

TEST(DeviceProfile, SampleProfileFillsEverySlot) {
    DeviceProfile profile;
    LoadDeviceProfile(profile, SAMPLE_PROFILE_PATH);
    for (const auto& key : kCommandKeys) EXPECT_FALSE((profile.*key.slot).Empty()) << key.name;
    EXPECT_GE(profile.ReadHead.Length(), 2u);
    EXPECT_GE(profile.ReadTail.Length(), 2u);
    const unsigned char separators[] = {profile.ReadTail.First(), profile.SpaceCharacter23.First(),
                                        profile.SPaceCharacter12.First()};
    EXPECT_EQ(std::set<unsigned char>(std::begin(separators), std::end(separators)).size(), 3u);
    for (unsigned char byte : separators) EXPECT_TRUE(byte < 0x20 || byte > 0x7e) << int(byte);
}

}  // namespace
