#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

// The simulator run as its own process for a test: its port link, profile and transcript
// live in a temporary folder; it is stopped (SIGTERM) when the object goes.
class CardsimProcess {
  public:
    // `profileText` is the profile file's text; empty means the sample profile.
    explicit CardsimProcess(std::vector<std::string> extraArguments = {},
                            const std::string& profileText = "");
    ~CardsimProcess();
    CardsimProcess(const CardsimProcess&) = delete;
    CardsimProcess& operator=(const CardsimProcess&) = delete;

    // The port path to give a SerialLink (a link to the pty's terminal end).
    std::string PortPath() const { return (dir_ / "ports" / "COM1").string(); }
    const std::filesystem::path& ProfilePath() const { return profile_; }
    const std::filesystem::path& Folder() const { return dir_.Path(); }

    // Bytes the device received (console to device) / sent, in order, from the transcript.
    std::string Received() const;
    std::string Sent() const;
    // Stops the simulator; its link goes with it.
    void Stop();
    // The simulator's standard error, for failure messages.
    std::string Log() const;

  private:
    std::string TranscriptBytes(const std::string& direction) const;
    TempDir dir_;
    std::filesystem::path profile_;
    pid_t pid_ = -1;
};
