#pragma once

#include <optional>
#include <string>

#include "device_profile.h"
#include "device_side.h"
#include "read_back.h"
#include "write_parser.h"
#include "write_scenario.h"

// Takes write sequences, keeps the written card and confirms (or not) as told.
class WriteSide : public DeviceSide {
  public:
    // Confirmed cards go to `readBack`, which swipes them back when it is enabled.
    WriteSide(const DeviceProfile& profile, WriteScenario scenario, ReadBackQueue& readBack);
    Offer Take(std::string_view pending, Scheduler& output) override;
    void Reset() override;

  private:
    // The set-up commands of the sequence in progress; unset until they come.
    struct Setup {
        bool highCoercivity = false;
        const char* format = "format unset";
        const char* density = "density unset";
    };

    void Apply(const WriteElement& element, Scheduler& output);
    void Answer(Scheduler& output);
    std::string ReplyBytes(WriteScenario::Reply reply) const;

    const DeviceProfile& profile_;
    WriteParser parser_;
    const WriteScenario scenario_;
    ReadBackQueue& readBack_;
    std::size_t nextReply_ = 0;
    Setup setup_;
    std::optional<CardTracks> card_;  // written, not yet asked about
};
