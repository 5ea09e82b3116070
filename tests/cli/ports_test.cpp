// `cardctl ports`: each COMn name with the device it reaches by the console's rules.
#include <gtest/gtest.h>

#include <QStringList>
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

}  // namespace
