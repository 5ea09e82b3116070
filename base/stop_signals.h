#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

// Turns the operating system's requests to stop into a Qt signal on the thread that made
// this object. The handler only writes a byte into a pipe (on Windows: posts to the event
// loop), which is safe where it runs; everything else happens in the event loop. A second
// signal is handled like the first, so the process never ends with the port still held.
// One instance at a time; the handlers that were there before come back when it goes.
// On Windows, Ctrl+C and Ctrl+Break in the console count as Ctrl+C, and so do closing the
// console window, logging off and shutting down; a window watches none.
class StopSignals : public QObject {
    Q_OBJECT

  public:
    enum class Watched {
        Terminal,  // Ctrl+C (SIGINT), SIGTERM and SIGHUP, for a program run from a shell
        Session,   // SIGTERM and SIGHUP: a logout or a service manager ends a window
    };
    enum class Kind { None, Interrupt, Terminate, HangUp };

    explicit StopSignals(Watched watched = Watched::Terminal);
    ~StopSignals() override;

    // How many signals came so far, including those the event loop has not seen yet.
    int Count();
    // The first signal that came.
    Kind First();

  signals:
    void Received();

  private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_;
    int count_ = 0;
    Kind first_ = Kind::None;
};
