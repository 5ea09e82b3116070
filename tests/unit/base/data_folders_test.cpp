// Where the programs take their files from, in a fake install tree: the executable in
// usr/bin, the shared files in usr/share/carddemo, the user's in xdg/ or home/.config/.
#include "data_folders.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace {

const char* const kBeside = "usr/bin";
const char* const kXdg = "xdg/carddemo";
const char* const kHome = "home/.config/carddemo";
const char* const kShared = "usr/share/carddemo";

// The environment of a case; values starting with '/' are taken under the fake root.
EnvironmentLookup FakeEnvironment(const std::filesystem::path& root,
                                  std::map<std::string, std::string> variables) {
    for (auto& [name, value] : variables)
        if (value.starts_with('/')) value = (root / value.substr(1)).string();
    return [variables = std::move(variables)](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    };
}

TEST(FindDataFile, BesideTheExecutableThenTheUsersFolderThenTheSharedOne) {
    const std::map<std::string, std::string> both = {{"XDG_CONFIG_HOME", "/xdg"},
                                                     {"HOME", "/home"}};
    struct Case {
        const char* name;
        std::vector<const char*> holders;
        std::map<std::string, std::string> environment;
        const char* expected;
    } cases[] = {
        {"beside wins", {kBeside, kXdg, kHome, kShared}, both, kBeside},
#ifndef _WIN32  // Windows asks the shell for the user's folder, not the environment
        {"then the user's", {kXdg, kHome, kShared}, both, kXdg},
        {"config home unset", {kXdg, kHome, kShared}, {{"HOME", "/home"}}, kHome},
        {"config home empty", {kXdg, kHome}, {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home"}}, kHome},
        {"config home relative", {kHome}, {{"XDG_CONFIG_HOME", "xdg"}, {"HOME", "/home"}}, kHome},
#endif
        {"then the shared", {kShared}, both, kShared},
        {"no home at all", {kShared}, {}, kShared},
        {"none: beside", {}, both, kBeside},
    };
    for (const auto& c : cases) {
        TempDir root;
        for (const char* holder : c.holders) {
            std::filesystem::create_directories(root / holder);
            WriteFile(root / holder / "QXProduct.ini", "[Command]\n");
        }
        const auto folders =
            DataFoldersFor(root / kBeside, FakeEnvironment(root.Path(), c.environment));
        EXPECT_EQ(FindDataFile("QXProduct.ini", folders), root / c.expected / "QXProduct.ini")
            << c.name;
    }
}

TEST(PortLinksFolder, BesideTheExecutableUnlessInstalledWithoutAPortsFolderThere) {
    struct Case {
        const char* name;
        std::vector<const char*> folders;
        bool userKnown;
        const char* expected;
    } cases[] = {
        {"build tree", {}, true, "usr/bin/ports"},
        {"installed", {kShared}, true, "xdg/carddemo/ports"},
        {"installed with ports beside", {kShared, "usr/bin/ports"}, true, "usr/bin/ports"},
        {"installed, no home", {kShared}, false, "usr/bin/ports"},
    };
    for (const auto& c : cases) {
        TempDir root;
        for (const char* folder : c.folders) std::filesystem::create_directories(root / folder);
        const DataFolders folders{root / kBeside, c.userKnown ? root / kXdg : "", root / kShared};
        EXPECT_EQ(PortLinksFolder(folders), root / c.expected) << c.name;
    }
}

}  // namespace
