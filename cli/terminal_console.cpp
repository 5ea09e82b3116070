#include "terminal_console.h"

#include "cardctl_text.h"
#include "gbk.h"

TerminalConsole::TerminalConsole(TrackTexts texts, CliOutput& output,
                                 std::function<void()> onRefresh)
    : texts_(std::move(texts)), output_(output), onRefresh_(std::move(onRefresh)) {}

void TerminalConsole::Deliver(uint32_t message, intptr_t, intptr_t) {
    if (message == WM_LOG_REFRESH && onRefresh_) onRefresh_();
}

void TerminalConsole::ShowMessageBox(const std::string& gbkText) {
    refused_ = true;
    output_.Error("cardctl: " + GbkToUtf8(gbkText));
}

void TerminalConsole::DeviceSilence(const Silence& silence) {
    if (!silence.silent || silenceSaid_.exchange(true)) return;
    output_.Message(CardctlLine(
        CardctlText::tr("no byte from the device for %1 s: %2 -> %3; still waiting, Ctrl+C ends"),
        {std::to_string(silence.quietMillis / 1000), silence.portName, silence.devicePath}));
}
