// The port box's list is made anew each time it opens, from the ports the machine has then.
#include <unistd.h>

#include <QLineEdit>
#include <filesystem>

#include "console_fixture.h"
#include "port_name.h"
#include "pty_peer.h"

namespace {

// A name in the ports folder beside the executable, leading to a terminal, for as long as
// the object lives.
class PortLink {
  public:
    PortLink(const std::string& name, const std::string& target)
        : path_(DefaultPortsDirectory() / name) {
        madeFolder_ = std::filesystem::create_directories(path_.parent_path());
        std::filesystem::create_symlink(target, path_);
    }
    ~PortLink() {
        Remove();
        std::error_code error;
        if (madeFolder_) std::filesystem::remove(path_.parent_path(), error);
    }
    void Remove() {
        std::error_code error;
        std::filesystem::remove(path_, error);
    }

  private:
    std::filesystem::path path_;
    bool madeFolder_ = false;
};

QStringList Items(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
    return items;
}

using PortList = ConsoleTest;

TEST_F(PortList, ANewTerminalIsListedWhenTheListOpensAndTheShownTextStays) {
    QComboBox* box = Combo(IDC_PORT);
    const QString name = QString("SIM%1").arg(getpid());
    PtyPeer device;
    PortLink link(name.toStdString(), device.TerminalPath());
    EXPECT_FALSE(Items(*box).contains(name));  // not before the list opens

    Type(box->lineEdit(), "tty");
    box->showPopup();
    box->hidePopup();
    const int index = box->findText(name);
    ASSERT_GE(index, 4);
    EXPECT_EQ(Items(*box).mid(0, 4), QStringList({"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(box->itemData(index, Qt::ToolTipRole).toString(),
              QString::fromStdString(std::filesystem::canonical(device.TerminalPath()).string()));
    EXPECT_EQ(box->currentText(), "COM1tty");  // typed after the start item's text

    // Chosen, it stays chosen while it is there; gone, its name stays shown as typed text.
    Choose(IDC_PORT, index);
    box->showPopup();
    box->hidePopup();
    EXPECT_EQ(box->currentText(), name);
    EXPECT_EQ(box->currentIndex(), box->findText(name));
    link.Remove();
    box->showPopup();
    box->hidePopup();
    EXPECT_FALSE(Items(*box).contains(name));
    EXPECT_EQ(box->currentText(), name);
    EXPECT_EQ(box->currentIndex(), -1);
}

}  // namespace
