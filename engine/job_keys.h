#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "card_job.h"

// What a profile key does in a job; the front ends explain an empty key by it.
enum class KeyRole {
    ReadCommand,       // asks for a card; without it the device is never asked
    ReadTail,          // ends a card's data; a read cannot start without it
    Track12Separator,  // parts track 1 from track 2
    Track23Separator,  // parts track 2 from track 3
    TrackCommand,      // starts a card's write sequence; a write cannot start without it
    WriteTail,         // ends the write sequence; a write cannot start without it
    ExpectedReply,     // confirms a card; without it every card counts as written
    CoercivitySetUp,
    FormatSetUp,
    DensitySetUp,
    StatusQuery,  // asks the device for its answer
    Reset,        // sent as every job ends
};

struct JobKey {
    CommandSlot DeviceProfile::*slot = nullptr;
    KeyRole role = KeyRole::Reset;
};

// Whether a job refuses to start when the key is empty; it leaves the others' step out.
bool IsRequired(KeyRole role);

// Every key the job sends or waits for, by its Mode, Tracks, write settings and Verify, as
// its steps use them.
std::vector<JobKey> KeysOfJob(const CardJob& job);

// The keys the job cannot start without that its profile leaves empty, in the profile's
// key order: what the job's own refusal logs.
std::vector<std::string_view> MissingKeys(const CardJob& job);

// The set-up commands a write sends before its track command, in that order.
std::vector<JobKey> WriteSetUpKeys(const CardJob& job);

// The read command of a selection; nullptr for none.
CommandSlot DeviceProfile::*ReadCommandKey(std::optional<TrackSet> tracks);
