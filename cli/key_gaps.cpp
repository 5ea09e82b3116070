#include "key_gaps.h"

#include <algorithm>
#include <array>
#include <memory>

#include "cardctl_text.h"
#include "device_family.h"
#include "job_keys.h"

namespace {

// A write setting as its option names it, by the job record's field (1 = the first word).
struct Setting {
    const char* option;
    int32_t CardJob::*field;
    const char* whenOne;
    const char* whenZero;
};
constexpr std::array<Setting, 3> kSettings = {{
    {"--coercivity", &CardJob::LowCoercivity, "low", "high"},
    {"--card-format", &CardJob::IsoFormat, "iso", "ibm"},
    {"--density", &CardJob::LowDensity, "low", "high"},
}};

// Every job record a command could run: reads by selection, writes by selection and setting.
std::vector<std::unique_ptr<CardJob>> EveryJob() {
    std::vector<std::unique_ptr<CardJob>> jobs;
    for (const TrackSet tracks : kTrackSets) {
        for (int variant = 0; variant <= 1 << kSettings.size(); ++variant) {
            auto job = std::make_unique<CardJob>();
            job->Tracks = SelectionOf(tracks);
            job->Mode = variant == 1 << kSettings.size() ? 1 : 0;
            for (std::size_t i = 0; i < kSettings.size(); ++i) {
                job.get()->*kSettings[i].field = (variant >> i) & 1;
            }
            jobs.push_back(std::move(job));
        }
    }
    return jobs;
}

bool Uses(const CardJob& job, CommandSlot DeviceProfile::*slot) {
    const std::vector<JobKey> keys = KeysOfJob(job);
    return std::any_of(keys.begin(), keys.end(),
                       [&](const JobKey& key) { return key.slot == slot; });
}

using JobList = std::vector<const CardJob*>;

// "read --tracks 2 or 23", "every write", "write --density high".
std::string Describe(const char* mode, const JobList& using_, const JobList& all) {
    if (using_.size() == all.size()) {
        return (mode == std::string_view("read") ? CardctlText::tr("every read")
                                                 : CardctlText::tr("every write"))
            .toStdString();
    }
    for (const Setting& setting : kSettings) {
        for (const int value : {0, 1}) {
            const auto matches = [&](const CardJob* job) { return job->*setting.field == value; };
            if (std::all_of(using_.begin(), using_.end(), matches) &&
                std::count_if(all.begin(), all.end(), matches) ==
                    static_cast<std::ptrdiff_t>(using_.size())) {
                return std::string(mode) + " " + setting.option + " " +
                       (value == 1 ? setting.whenOne : setting.whenZero);
            }
        }
    }
    std::string codes;
    for (const TrackSet tracks : kTrackSets) {
        const bool used = std::any_of(using_.begin(), using_.end(), [&](const CardJob* job) {
            return TrackSetOf(job->Tracks) == tracks;
        });
        if (!used) continue;
        codes += (codes.empty() ? std::string() : CardctlText::tr(" or ").toStdString()) +
                 std::string(TrackSetCode(tracks));
    }
    return std::string(mode) + " --tracks " + codes;
}

// The jobs that use a key, as the profile report names them.
std::string JobsUsing(CommandSlot DeviceProfile::*slot) {
    static const std::vector<std::unique_ptr<CardJob>> every = EveryJob();
    std::string text;
    bool everyJob = true;
    for (const int mode : {1, 0}) {
        JobList all;
        JobList using_;
        for (const auto& job : every) {
            if (job->Mode != mode) continue;
            all.push_back(job.get());
            if (Uses(*job, slot)) using_.push_back(job.get());
        }
        everyJob = everyJob && using_.size() == all.size();
        if (using_.empty()) continue;
        text += (text.empty() ? std::string() : CardctlText::tr(" and ").toStdString()) +
                Describe(mode == 1 ? "read" : "write", using_, all);
    }
    return everyJob ? CardctlText::tr("every job").toStdString() : text;
}

// Marked for the translator.
const char* Consequence(KeyRole role) {
    switch (role) {
        case KeyRole::ReadCommand:
            return QT_TRANSLATE_NOOP("CardctlText", "sends no read command");
        case KeyRole::ReadTail:
            return QT_TRANSLATE_NOOP("CardctlText", "refuses to start: no card's data could end");
        case KeyRole::Track12Separator:
            return QT_TRANSLATE_NOOP("CardctlText", "cannot tell track 1 from track 2");
        case KeyRole::Track23Separator:
            return QT_TRANSLATE_NOOP("CardctlText", "cannot tell track 2 from track 3");
        case KeyRole::TrackCommand:
        case KeyRole::WriteTail:
            return QT_TRANSLATE_NOOP("CardctlText", "refuses to start");
        case KeyRole::ExpectedReply:
            return QT_TRANSLATE_NOOP("CardctlText",
                                     "counts every card as written without waiting for the device");
        case KeyRole::CoercivitySetUp:
            return QT_TRANSLATE_NOOP("CardctlText", "does not set high coercivity");
        case KeyRole::FormatSetUp:
            return QT_TRANSLATE_NOOP("CardctlText", "does not set the card format");
        case KeyRole::DensitySetUp:
            return QT_TRANSLATE_NOOP("CardctlText", "does not set the track-2 density");
        case KeyRole::StatusQuery:
            return QT_TRANSLATE_NOOP("CardctlText", "does not ask the device for its answer");
        case KeyRole::Reset:
            return QT_TRANSLATE_NOOP("CardctlText", "ends without resetting the device");
    }
    return "";
}

// The gaps among `used`, in the profile's key order, each key once.
std::vector<KeyGap> GapsAmong(const DeviceProfile& profile, const std::vector<JobKey>& used) {
    std::vector<KeyGap> gaps;
    for (const CommandKey& key : kCommandKeys) {
        const auto use = std::find_if(used.begin(), used.end(),
                                      [&](const JobKey& job) { return job.slot == key.slot; });
        if (use == used.end() || !(profile.*key.slot).Empty()) continue;
        gaps.push_back({std::string(key.name), IsRequired(use->role), JobsUsing(key.slot),
                        CardctlTranslated(Consequence(use->role)).toStdString()});
    }
    return gaps;
}

}  // namespace

std::string KeyGap::Warning() const {
    return Filled(CardctlText::tr("%1 is empty, so %2 %3"), {key, jobs, consequence});
}

std::vector<KeyGap> GapsForJob(const CardJob& job) {
    return GapsAmong(job.Profile, ChecksOf(job.Profile).KeysOfJob(job));
}

std::vector<KeyGap> GapsForAnyJob(const DeviceProfile& profile) {
    std::vector<JobKey> used;
    for (const auto& job : EveryJob()) {
        const std::vector<JobKey> keys = ChecksOf(profile).KeysOfJob(*job);
        used.insert(used.end(), keys.begin(), keys.end());
    }
    return GapsAmong(profile, used);
}
