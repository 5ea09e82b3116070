#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "card_job.h"
#include "card_worker.h"
#include "command_slot.h"
#include "device_family.h"
#include "serial_link.h"
#include "write_plan.h"

// The steps every write job is made of, single or continuous.

// The track boxes' texts as GBK bytes, read once when a write job starts.
TrackTexts ReadTrackTexts(CardJob& job);

// One card's set-up commands, track command, data, separators, WriteTail and
// CmdCheckStatus, back to back. `data` holds the bytes to write for each planned track.
void SendWriteSequence(CardJob& job, SerialLink& link, const WritePlan& plan,
                       const TrackTexts& data);

// Waits for a reply as long as `expected` and compares it up to the reply's first zero
// byte. A piece shorter than that is thrown away and the wait starts again; the wait ends
// only on a whole reply, on Stop or when the port breaks.
WriteReply AwaitWriteReply(CardJob& job, SerialLink& link, const CommandSlot& expected);

// Logs a result text framed by hyphen lines, in one entry.
void AppendWriteResult(CardJob& job, std::string_view resultText);

// Sends one card, waits for its reply, records and logs the outcome (nothing on Stop or
// a broken port) with what the device said of it. The record holds the bytes sent, Ok
// when the reply matched. The log
// entry starts with `entryPrefix` (a list's "第k/N张：", GBK).
WriteReply WriteCard(CardJob& job, DeviceFamily& device, const WritePlan& plan,
                     const TrackTexts& data, std::string_view entryPrefix);

// A card of a run: what it carries and where it stands.
struct RunCard {
    TrackTexts values;
    std::string entryPrefix;
    // Its number and the job's length as the operator counts them, when they are not the
    // job's own count (a resumed list).
    int place = 0;
    int of = 0;
};
// The card that follows `written` confirmed ones.
using RunCardFn = std::function<RunCard(int64_t written)>;

struct RunTally {
    int64_t written = 0;  // cards the device confirmed
    int64_t refused = 0;  // replies that did not match
};

// Writes cards one after the other until `total` are confirmed; a card the device does
// not confirm is followed by the same card again. Ends early on Stop (between cards
// too) with the normal ending, on a broken port without the pause.
JobEnding WriteRun(CardJob& job, DeviceFamily& device, const WritePlan& plan, int64_t total,
                   const RunCardFn& cardAfter, RunTally& tally);

// Shows "N轨数据超过119个字节！" for the first planned track whose data the device
// cannot take, or the family's reason for a character it cannot write; true when one
// was refused.
bool RefuseOverlongData(CardJob& job, const WritePlan& plan, const TrackTexts& data);
