#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

// Turns SIGINT and SIGTERM (on Windows: Ctrl+C and Ctrl+Break in the console) into a Qt
// signal on the thread that made this object. The handler only writes a byte into a pipe
// (on Windows: posts to the event loop), which is safe where it runs; everything else
// happens in the event loop. A second signal is handled like the first, so the
// process never ends with the port still held. One instance at a time; the handlers that
// were there before come back when it goes.
class StopSignals : public QObject {
    Q_OBJECT

  public:
    StopSignals();
    ~StopSignals() override;

    // How many signals came so far, including those the event loop has not seen yet.
    int Count();

  signals:
    void Received();

  private:
    void Drain();

    std::unique_ptr<QSocketNotifier> notifier_;
    int count_ = 0;
};
