#include "port_name.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

TEST(ResolvePortName, FollowsTheLinksBesideTheExecutableThenTheSystemNames) {
    TempDir dir;
    std::filesystem::create_directories(dir / "ports");
    std::filesystem::create_symlink("/dev/null", dir / "ports" / "COM1");
    std::filesystem::create_symlink("/dev/zero", dir / "ports" / "reader");
    struct Case {
        const char* name;
        std::string expected;
    } cases[] = {
        {"COM1", "/dev/null"},         // a link in ports/ wins over the COMn rule
        {"reader", "/dev/zero"},       // any name may be a link
        {"COM2", "/dev/ttyS1"},        //
        {"COM10", "/dev/ttyS9"},       //
        {"ttyUSB0", "/dev/ttyUSB0"},   //
        {"/dev/pts/7", "/dev/pts/7"},  // a path is used as it is
        {"COM0", "/dev/COM0"},         // no port 0 in the COMn numbering
        {"COMx", "/dev/COMx"},         //
        // a relative path is taken from the current folder
        {"bin/ports/X", (std::filesystem::current_path() / "bin/ports/X").string()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolvePortName(c.name, dir / "ports"), c.expected) << c.name;
}

TEST(ResolvePortName, WithoutAPortsFolderUsesTheSystemNames) {
    EXPECT_EQ(ResolvePortName("COM1", "/nonexistent/ports"), "/dev/ttyS0");
}

}  // namespace
