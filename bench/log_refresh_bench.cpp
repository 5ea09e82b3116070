// How the cost of showing a new log entry grows with the log already shown. A console
// that has logged ten thousand cards should bring its log box up to date as fast as a
// fresh one: the ratio printed at the end should stay near 1.
//
//   QT_QPA_PLATFORM=offscreen build/bench/log_refresh_bench
#include <QApplication>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "gbk.h"
#include "log_view.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string CardEntry(int number) {
    return Utf8ToGbk(
        "------------------------------------------------------\r\n第" + std::to_string(number) +
        "次成功读取，共读取34个2轨数据\r\n6011000099990001=30011010000000000\r\n"
        "------------------------------------------------------\r\n共读取41个3轨数据\r\n"
        "996011000099990001=156156000000000000000\r\n"
        "------------------------------------------------------\r\n");
}

// Median time of one refresh (append one entry, show it, caret to the end) after
// `alreadyShown` entries are on screen.
double MedianRefreshMicros(int alreadyShown, int samples) {
    LogView view;
    view.resize(727, 329);
    view.show();
    std::mutex appending;
    std::string log;
    for (int i = 0; i < alreadyShown; ++i) log += CardEntry(i + 1);
    view.Show(log, appending);
    std::vector<double> times;
    for (int i = 0; i < samples; ++i) {
        log += CardEntry(alreadyShown + i + 1);
        const auto start = Clock::now();
        view.Show(log, appending);
        QApplication::processEvents();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

// The same refresh done by setting the whole text of a text box, for comparison.
double MedianWholeTextMicros(int alreadyShown, int samples) {
    QPlainTextEdit box;
    box.resize(727, 329);
    box.show();
    std::string log;
    for (int i = 0; i < alreadyShown; ++i) log += CardEntry(i + 1);
    std::vector<double> times;
    for (int i = 0; i < samples; ++i) {
        log += CardEntry(alreadyShown + i + 1);
        const auto start = Clock::now();
        box.setPlainText(QString::fromStdString(GbkToUtf8(log)));
        box.moveCursor(QTextCursor::End);
        box.ensureCursorVisible();
        QApplication::processEvents();
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int samples = 200;
    const double fresh = MedianRefreshMicros(0, samples);
    std::printf("refresh with an empty log:      %8.1f us (baseline)\n", fresh);
    for (int cards : {1000, 10000}) {
        const double grown = MedianRefreshMicros(cards, samples);
        std::printf("refresh after %5d cards:       %8.1f us  ratio %.2f\n", cards, grown,
                    grown / fresh);
    }
    const double whole = MedianWholeTextMicros(10000, 5);
    std::printf("whole text set after 10000 cards: %8.1f us  ratio %.2f (for comparison)\n", whole,
                whole / fresh);
    return 0;
}
