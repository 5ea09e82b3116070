// The jobs on the ESC-block family, against a device the test plays over a pty: what goes
// out, byte for byte, and what the log and the records make of each kind of answer.
#include <gtest/gtest.h>

#include "pty_job_harness.h"

namespace {

using namespace std::chrono_literals;

const std::string kOk = "\x1B\x30";
const std::string kSetUpLowLow = "\x1B\x79\x1B\x62\x4B";  // low coercivity, track 2 at 75 bpi
const std::string kReset = "\x1B\x61";

class EscBlockJob : public ::testing::Test {
  protected:
    // Answers the job's set-up (low coercivity, low density) and checks it came as it must.
    void AnswerSetUp() {
        EXPECT_EQ(ReceiveFrom(device_, 2), "\x1B\x79");
        device_.Send(kOk);
        EXPECT_EQ(ReceiveFrom(device_, 3), "\x1B\x62\x4B");
        device_.Send(kOk);
    }
    void StartJob(int mode, TrackSelection tracks, const std::string& protocol = "") {
        harness_ = std::make_unique<PtyJobHarness>(mode);
        harness_->UseProfileText("[Protocol]\nFamily=esc-block\n" + protocol +
                                 "[Command]\nSysDelay=0\n");
        harness_->job.PortName = device_.TerminalPath();
        harness_->job.Tracks = tracks;
        harness_->job.LowCoercivity = 1;
        harness_->job.LowDensity = 1;
        harness_->job.IsoFormat = 1;
    }
    std::string Log() const { return GbkToUtf8(harness_->job.JobLog); }

    PtyPeer device_;
    std::unique_ptr<PtyJobHarness> harness_;
};

TEST_F(EscBlockJob, ReadArmsOnceKeepsTheSelectionAndStopResets) {
    StartJob(1, Track23);
    harness_->Start();
    AnswerSetUp();
    EXPECT_EQ(ReceiveFrom(device_, 2), "\x1B\x72");
    // Silence while armed: nothing is sent again.
    EXPECT_EQ(device_.Receive(300ms), "");
    device_.Send("\x1B\x73\x1B\x01%A?\x1B\x02;12=3?\x1B\x03\x1B\x2A\x3F\x1C\x1B\x30");
    EXPECT_EQ(ReceiveFrom(device_, 2), "\x1B\x72");
    harness_->Stop();
    harness_->Finish();
    EXPECT_EQ(device_.Receive(200ms), kReset);
    EXPECT_EQ(Log(), "第1次成功读取，共读取4个2轨数据\r\n12=3\r\n读取3轨失败\r\n" + kHyphens);
    ASSERT_EQ(harness_->job.Records.size(), 1u);
    EXPECT_EQ(harness_->job.Records[0].Bytes(2), "12=3");
    EXPECT_EQ(harness_->job.Records[0].Status(3), TrackStatus::Failed);
}

struct WriteCase {
    const char* name;
    std::string status;
    const char* entry;
};

TEST_F(EscBlockJob, AWriteIsOneBlockAndItsStatusDecides) {
    const WriteCase cases[] = {
        {"written", "\x30", "写2轨成功，共写入3个数据\r\n123\r\n写3轨成功，共写入2个数据\r\n45\r\n"},
        {"read/write error", "\x31", "写2，3轨失败！\r\n设备状态31：读写错误\r\n"},
        {"swipe error", "\x39", "写2，3轨失败！\r\n设备状态39：刷卡错误（过快、过慢或没有卡）\r\n"},
    };
    for (const WriteCase& c : cases) {
        StartJob(0, Track23);
        harness_->console.SetTrackTexts({"", "123", "45"});
        harness_->Start();
        AnswerSetUp();
        EXPECT_EQ(ReceiveFrom(device_, 15),
                  "\x1B\x77\x1B\x73\x1B\x01\x1B\x02" "123" "\x1B\x03" "45" "\x3F\x1C")
            << c.name;
        device_.Send("\x1B" + c.status);
        harness_->Finish();
        EXPECT_EQ(device_.Receive(200ms), kReset) << c.name;
        EXPECT_EQ(Log(), kHyphens + c.entry + kHyphens) << c.name;
    }
}

TEST_F(EscBlockJob, WhatTheDeviceCannotTakeIsRefusedBeforeAByteGoesOut) {
    StartJob(0, Track2);
    harness_->console.SetTrackTexts({"", "12A", ""});
    harness_->Run();
    EXPECT_EQ(device_.Receive(200ms), kReset);
    ASSERT_EQ(harness_->console.MessageBoxes().size(), 1u);
    EXPECT_EQ(GbkToUtf8(harness_->console.MessageBoxes()[0]), "2轨数据含有设备不能写入的字符“A”（0x41）！");

    StartJob(0, Track2);
    harness_->job.IsoFormat = 0;
    harness_->console.SetTrackTexts({"", "12", ""});
    harness_->Run();
    EXPECT_EQ(device_.Receive(200ms), kReset);
    EXPECT_EQ(Log(), "该设备只能写ISO格式的卡，请把卡格式改为ISO\r\n" + kHyphens);
}

TEST_F(EscBlockJob, ASetUpTheDeviceRefusesEndsTheJobSayingWhich) {
    StartJob(0, Track2, "Track1Bpi=75\n");
    harness_->console.SetTrackTexts({"", "12", ""});
    harness_->Start();
    EXPECT_EQ(ReceiveFrom(device_, 2), "\x1B\x79");
    device_.Send(kOk);
    EXPECT_EQ(ReceiveFrom(device_, 3), "\x1B\x62\xA0");
    device_.Send("\x1B\x41");
    harness_->Finish();
    EXPECT_EQ(device_.Receive(200ms), kReset);
    EXPECT_EQ(Log(), "设置记录密度失败：设备状态41：操作失败\r\n" + kHyphens);
}

}  // namespace
