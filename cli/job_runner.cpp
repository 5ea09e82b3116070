#include "job_runner.h"

#include <QEventLoop>
#include <QThread>
#include <memory>

#include "card_worker.h"
#include "cardctl_text.h"
#include "cli_output.h"
#include "stop_signals.h"

bool RunJobOnWorker(CardJob& job, const SerialTimeouts& timeouts, StopSignals& stopSignals,
                    CliOutput& output) {
    // A signal before the start (during the checks, or between a clone's two jobs) means
    // the job is not wanted at all.
    if (stopSignals.Count() > 0) return true;
    QEventLoop loop;
    bool interrupted = false;
    const auto stop = [&] {
        output.Message(CardctlLine(
            interrupted
                ? CardctlText::tr("still stopping: the port is closed first")
                : CardctlText::tr("stopping: the device is reset and the files completed")));
        interrupted = true;
        job.StopFlag.store(1);
    };
    const QMetaObject::Connection connection =
        QObject::connect(&stopSignals, &StopSignals::Received, &loop, stop);

    std::unique_ptr<QThread> worker(
        QThread::create([&job, timeouts] { CardWorker(&job, timeouts); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    QObject::disconnect(connection);
    return interrupted;
}
