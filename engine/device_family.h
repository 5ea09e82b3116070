#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "card_job.h"
#include "job_keys.h"
#include "serial_link.h"
#include "write_plan.h"

// One way of talking to a device: what is sent and how its replies are read. The profile's
// [Protocol] section chooses it (MakeDeviceFamily and ChecksOf are the only places that
// look); the jobs only call what is below.

// A card as a read gave it, by track number - 1: each track's data without sentinels, or
// nothing for a track that could not be read. Tracks the job did not select may hold anything.
using CardTracks = std::array<std::optional<std::string>, kTrackCount>;

// How a card's write, or an erase, came out.
enum class WriteReply {
    Matched,
    NotMatched,
    Stopped,  // StopFlag was seen while no whole reply had come
    Broken,   // the job cannot go on (the port broke, the device refused its set-up); logged
};

struct DeviceVerdict {
    WriteReply reply = WriteReply::Stopped;
    // What the device said about it, for the card's log entry (GBK lines); often empty.
    std::string logText;
};

// A read in progress, for a read loop or a verify: it asks the device for cards and
// waits for them.
class CardReader {
  public:
    virtual ~CardReader() = default;

    enum class Wait {
        Card,     // a card was swiped; the tracks are filled in
        Again,    // nothing usable came: wait again
        Stopped,  // StopFlag
        Ended,    // the job cannot go on; logged
    };
    virtual Wait AwaitCard(CardTracks& card) = 0;
};

// What a job is checked against before anything is sent; needs no device.
class FamilyChecks {
  public:
    virtual ~FamilyChecks() = default;

    // Every profile key the job sends or waits for.
    virtual std::vector<JobKey> KeysOfJob(const CardJob& job) const = 0;
    // The log entry (GBK, without its hyphen line) that turns the job away before anything
    // is sent; empty when it may start.
    virtual std::string Refusal(const CardJob& job) const = 0;
    // Why the device cannot write this value to the track (GBK, a message box's text);
    // empty when it can.
    virtual std::string ValueProblem(int track, std::string_view value) const = 0;
};

class DeviceFamily {
  public:
    virtual ~DeviceFamily() = default;

    virtual const FamilyChecks& Checks() const = 0;
    virtual std::unique_ptr<CardReader> StartReading() = 0;
    // Sends one card's data for the plan's tracks and waits for the device's verdict.
    virtual DeviceVerdict WriteCard(const WritePlan& plan, const TrackTexts& data) = 0;
    virtual DeviceVerdict Erase(TrackSet tracks) = 0;
    // As every job ends, after a stop or a refusal too: leaves the device idle.
    virtual void Reset() = 0;
};

const FamilyChecks& ChecksOf(const DeviceProfile& profile);

// The family of the job's profile, talking over the link; both must outlive it.
std::unique_ptr<DeviceFamily> MakeDeviceFamily(CardJob& job, SerialLink& link);

// Logs the family's refusal of the job in one entry; true when it refused.
bool RefuseJob(CardJob& job);
