#pragma once

#include <atomic>
#include <functional>

#include "card_job.h"
#include "cli_output.h"

// The console of a job run from a terminal. The worker's calls are answered on the
// worker's own thread: while it waits in them, the job record is the caller's to read.
class TerminalConsole : public Console {
  public:
    // `onRefresh` runs at every WM_LOG_REFRESH.
    TerminalConsole(TrackTexts texts, CliOutput& output, std::function<void()> onRefresh);

    void Deliver(uint32_t message, intptr_t wParam, intptr_t lParam) override;
    TrackTexts CurrentTrackTexts() override { return texts_; }
    // The window's message box, as an error line in UTF-8.
    void ShowMessageBox(const std::string& gbkText) override;

    // A silent device, said once for the command's life: it keeps waiting all the same.
    void DeviceSilence(const Silence& silence) override;

    // Whether the job refused its input with a message.
    bool Refused() const { return refused_; }

  private:
    TrackTexts texts_;
    CliOutput& output_;
    std::function<void()> onRefresh_;
    std::atomic<bool> refused_{false};
    std::atomic<bool> silenceSaid_{false};
};
