// The port box's list is made anew each time it opens, from the ports the machine has then.
#include <unistd.h>

#include <QLineEdit>
#include <filesystem>

#include "console_fixture.h"
#include "port_name.h"
#include "pty_peer.h"

namespace {

using PortList = ConsoleTest;

TEST_F(PortList, ANewTerminalIsListedWhenTheListOpensAndTheShownTextStays) {
    QComboBox* box = Combo(IDC_PORT);
    auto reopen = [box] {
        box->showPopup();
        box->hidePopup();
    };
    // A terminal that appears as a port link (as the simulator makes one) beside the program.
    const QString name = QString("SIM%1").arg(getpid());
    const auto link = DefaultPortsDirectory() / name.toStdString();
    const bool madeFolder = std::filesystem::create_directories(link.parent_path());
    PtyPeer device;
    std::filesystem::create_symlink(device.TerminalPath(), link);
    EXPECT_EQ(box->findText(name), -1);  // not before the list opens

    Type(box->lineEdit(), "x");
    reopen();
    const int index = box->findText(name);
    EXPECT_GE(index, 4);
    EXPECT_EQ(box->itemText(0) + box->itemText(3), "COM1COM4");
    EXPECT_EQ(box->itemData(index, Qt::ToolTipRole).toString(),
              QtPath(std::filesystem::canonical(device.TerminalPath())));
    EXPECT_EQ(box->currentText(), "COM1x");

    // Gone, it leaves the list.
    std::filesystem::remove(link);
    if (madeFolder) std::filesystem::remove(link.parent_path());
    reopen();
    EXPECT_EQ(box->findText(name), -1);
}

}  // namespace
