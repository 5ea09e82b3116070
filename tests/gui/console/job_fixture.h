#pragma once

#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "cardsim_process.h"
#include "console_fixture.h"
#include "gbk.h"
#include "log_view.h"
#include "profile_text.h"

// A console whose jobs run against the simulated device over a real pseudo-terminal, with
// short serial time-outs and a short pause after writes.
class JobConsoleTest : public ConsoleTest {
  protected:
    void SetUp() override {
        ConsoleTest::SetUp();
        OpenConsole(JobProfile());
        Dlg().SetSerialTimeouts({10, 0, 30, 0, 200});
    }

    static const std::string& JobProfile() {
        static const std::string profile = ProfileText({{"SysDelay", "50"}});
        return profile;
    }

    // Starts the simulator and types its port into the port box.
    void StartSim(std::vector<std::string> arguments) {
        sim_ = std::make_unique<CardsimProcess>(std::move(arguments), JobProfile());
        Combo(IDC_PORT)->setEditText(QString::fromStdString(sim_->PortPath()));
    }

    bool WaitForJobEnd(int ms = 10000) {
        return QTest::qWaitFor([&] { return !Dlg().JobRunning(); }, ms);
    }

    LogView* LogBox() { return Ctl<LogView>(IDC_LOG); }
    // The job log as the log box shows it.
    QString JobLogOnScreen() {
        return QString::fromStdString(GbkToUtf8(Dlg().Job().JobLog)).replace("\r\n", "\n");
    }

    std::unique_ptr<CardsimProcess> sim_;
};
