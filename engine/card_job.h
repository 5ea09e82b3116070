#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "card_record.h"
#include "device_profile.h"
#include "journal.h"
#include "track_set.h"

// Which track or track pair a job works on, as the job record holds it; everything else
// names the tracks by TrackSet.
enum TrackSelection : int32_t {
    Track1 = 0,
    Track2 = 1,
    Track3 = 2,
    Track12 = 3,
    Track23 = 4,
    NoTrack = 9,
};

inline constexpr std::array<std::pair<TrackSelection, TrackSet>, 5> kSelectionSets{{
    {Track1, TrackSet::Track1},
    {Track2, TrackSet::Track2},
    {Track3, TrackSet::Track3},
    {Track12, TrackSet::Track12},
    {Track23, TrackSet::Track23},
}};

// The tracks a job's selection names; nothing for NoTrack.
constexpr std::optional<TrackSet> TrackSetOf(TrackSelection selection) {
    for (const auto& [named, tracks] : kSelectionSets) {
        if (named == selection) return tracks;
    }
    return std::nullopt;
}

// The job's selection for the tracks; NoTrack for none.
constexpr TrackSelection SelectionOf(std::optional<TrackSet> tracks) {
    for (const auto& [selection, named] : kSelectionSets) {
        if (named == tracks) return selection;
    }
    return NoTrack;
}

// The two private window messages the worker sends, synchronously, to its console.
inline constexpr uint32_t WM_USER_BASE = 0x0400;
inline constexpr uint32_t WM_JOB_DONE = WM_USER_BASE + 1001;     // 2025
inline constexpr uint32_t WM_LOG_REFRESH = WM_USER_BASE + 1002;  // 2026
inline constexpr intptr_t kJobMessageWParam = 1;
inline constexpr intptr_t kJobMessageLParam = 2;

// Track box texts as the device receives them: GBK bytes, line breaks as CR LF.
struct TrackTexts {
    std::string track1;
    std::string track2;
    std::string track3;
};

// The window that owns a job, as the worker sees it. Every call blocks the worker until
// the window has answered, so the log on screen never lags behind the device.
class Console {
  public:
    virtual ~Console() = default;
    // Delivers WM_LOG_REFRESH or WM_JOB_DONE and returns once the window has handled it.
    virtual void Deliver(uint32_t message, intptr_t wParam, intptr_t lParam) = 0;
    virtual TrackTexts CurrentTrackTexts() = 0;
    // A message box owned by the window (application title, OK, no icon); returns when
    // the operator has closed it. The text is GBK.
    virtual void ShowMessageBox(const std::string& gbkText) = 0;

    // The device has sent nothing for a while (or sends again): the port's name and the
    // device it led to. Said without waiting for the console; the job log is not touched.
    struct Silence {
        bool silent = false;
        std::string portName;
        std::string devicePath;
        int32_t quietMillis = 0;  // how long nothing came before it was said
    };
    virtual void DeviceSilence(const Silence&) {}
};

// The record the console fills and the worker borrows for one job.
struct CardJob {
    int32_t Continuous = 0;
    std::atomic<int32_t> StopFlag{0};
    TrackSelection Tracks = NoTrack;
    int32_t Mode = 1;
    std::string CommSettings;
    std::string PortName;
    int32_t LowDensity = 0;
    int32_t IsoFormat = 0;
    int32_t LowCoercivity = 0;
    DeviceProfile Profile;
    int32_t Count = 1;
    int32_t Track1Start = 0;
    int32_t Track1Increment = 1;
    int32_t Track2Increment = 1;
    int32_t Track2Start = 0;
    int32_t Track3Increment = 1;
    int32_t Track3Start = 0;
    std::string JobLog;
    // Held by the worker while it appends to JobLog, whose bytes may move then: a window
    // that draws from the log's bytes outside its refresh reads them under it.
    std::mutex JobLogLock;
    // One record per card a job logs, kept for the window's life and handed over as
    // JobLog is: the worker appends; the window reads inside its refresh or when no job
    // runs.
    CardRecordList Records;
    // Which job of the window's life this is, from 1; set by whoever starts the job.
    int32_t JobNumber = 0;
    // A write job (Mode 0) with cards here writes them in order instead of the track boxes'
    // texts; whoever fills the list has checked it against the job.
    std::vector<TrackTexts> CardList;
    // Each card's place in the list it came from (from 1) and that list's length: a list
    // resumed after a stop is only the cards still to write, yet its cards keep their
    // numbers. Without them a card's place is its place in CardList.
    std::vector<int32_t> CardListRows;
    int32_t CardListTotal = 0;
    // The list place of the card in hand, for its records; 0 while no list is written.
    int32_t ListRow = 0;
    // The log entry's first line (GBK, no line break) when the job ended because its port
    // would not open or broke; empty otherwise. The worker clears it as a job starts, so
    // the console can tell these endings from the others when the job is done.
    std::string PortFailure;
    // Runs and lists: a card the device refuses this many times in a row ends the job;
    // 0 writes it again for ever, as the numbered run always has.
    int32_t MaxTries = 0;
    // The log entry's first line (GBK, no line break) when a card ran out of tries; empty
    // otherwise, and cleared as a job starts, as PortFailure is.
    std::string TriesExhausted;
    // 1 = each card the device confirms is read back and compared with what was written.
    int32_t Verify = 0;
    // The log's lines (GBK, no final line break) on the job's last card that did not read
    // back as written; empty otherwise, and cleared as a job starts, as PortFailure is.
    std::string VerifyFailure;
    // A numbered run's numbers padded with zeros to this many digits; 0 leaves each number
    // as wide as it is, as the run always wrote them.
    int32_t Digits = 0;
    // How long a device may send nothing before the console is told (device_silence.h),
    // and the worker's own watch on it.
    int32_t SilenceMillis = 10000;
    std::chrono::steady_clock::time_point LastDeviceByte;
    bool DeviceSilent = false;
    // 1 = a write job (Mode 0) that erases the selected tracks of one card instead.
    int32_t Erase = 0;
    // After an erase job: 1 when the device confirmed it; cleared as a job starts.
    int32_t Erased = 0;
    // Where each card's `sending` row goes before the card is sent, and every record as it
    // is added; none without. Borrowed for the job, as Console is.
    Journal* JournalFile = nullptr;
    // Why the journal failed (UTF-8, naming the file) when it did: the job then ended after
    // the card in hand, as on Stop. Cleared as a job starts, as PortFailure is.
    std::string JournalFailure;

    ::Console* Console = nullptr;
};

// The widest a run's numbers may be padded: more than any track holds.
inline constexpr int32_t kMaxRunDigits = 119;

// The values a numbered run's fields take, as the window's number boxes and cardctl's
// options check them.
struct NumberRange {
    int32_t CardJob::*field;
    int32_t min;
    int32_t max;
};
inline constexpr std::array<NumberRange, 7> kNumberRanges{{
    {&CardJob::Count, 1, 9999},
    {&CardJob::Track1Start, 0, 99},
    {&CardJob::Track1Increment, 0, 99},
    {&CardJob::Track2Start, 0, 99},
    {&CardJob::Track2Increment, 0, 99},
    {&CardJob::Track3Start, 0, 99},
    {&CardJob::Track3Increment, 0, 99},
}};
constexpr NumberRange RangeOf(int32_t CardJob::*field) {
    for (const NumberRange& range : kNumberRanges) {
        if (range.field == field) return range;
    }
    return {field, 0, 0};
}
