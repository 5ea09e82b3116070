// `cardctl ports`: each COMn name with the device it reaches by the console's rules.
#include <gtest/gtest.h>

#include <QStringList>
#include <fstream>
#include <sstream>

#include "cardctl.h"
#include "temp_dir.h"

namespace {

TEST(Ports, NamesWhatEachComNameReaches) {
    TempDir portsDir;
    std::filesystem::create_symlink("/dev/null", portsDir / "COM2");
    std::ostringstream out;
    std::ostringstream err;
    const CliEnvironment environment{out, err, false, {}, portsDir.Path()};
    EXPECT_EQ(RunCardctl({QStringLiteral("cardctl"), QStringLiteral("ports")}, environment), 0);

    std::istringstream lines(out.str());
    std::string line;
    std::vector<std::string> comLines;
    while (std::getline(lines, line) && comLines.size() < 4) comLines.push_back(line);
    ASSERT_EQ(comLines.size(), 4U) << out.str();
    EXPECT_EQ(comLines[0].rfind("COM1    -> /dev/ttyS0", 0), 0U);
    EXPECT_EQ(comLines[1], "COM2    -> /dev/null");
    EXPECT_EQ(comLines[3].rfind("COM4    -> /dev/ttyS3", 0), 0U);
    // The folder's links are offered as the console offers them.
    EXPECT_NE(out.str().find("\nCOM2            -> /dev/null\n"), std::string::npos) << out.str();
    EXPECT_EQ(err.str(), "");
}

TEST(Ports, OnUsbHidListsTheEncodersFoundNoneBeingNoError) {
    TempDir folder;
    const auto profile = folder / "usb.ini";
    std::ofstream(profile) << "[Protocol]\nLink=hid\nUsbVendor=fffe\nUsbProduct=fffe\n";
    std::ostringstream out;
    std::ostringstream err;
    const CliEnvironment environment{out, err, false, {}, folder.Path()};
    EXPECT_EQ(RunCardctl({"cardctl", "ports", "--profile", QString::fromStdString(profile.string())},
                         environment),
              0);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "cardctl: no USB encoder fffe:fffe is plugged in\n");
}

}  // namespace
