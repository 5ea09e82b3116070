// cardctl refuses a job for a missing key exactly when the engine would: it keeps no key
// table of its own, so a change to the engine's plans moves its refusals with no edit in
// cardctl.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "job_keys.h"
#include "profile_text.h"
#include "temp_dir.h"

namespace {

TEST(JobChecks, CardctlRefusesTheKeysTheEngineRefuses) {
    const std::pair<const char*, std::vector<int>> commands[] = {
        {"read", {1}}, {"write", {0}}, {"clone", {1, 0}}};
    const std::pair<TrackSelection, std::string> selections[] = {
        {Track1, "1"}, {Track2, "2"}, {Track3, "3"}, {Track12, "12"}, {Track23, "23"}};
    TempDir dir;
    const std::string path = (dir / "QXProduct.ini").string();
    for (const CommandKey& key : kCommandKeys) {
        WriteFile(path, ProfileText({{std::string(key.name), ""}}));
        for (const auto& [command, modes] : commands) {
            for (const auto& [tracks, code] : selections) {
                std::vector<std::string> arguments = {
                    command, "--tracks", code, "--profile", path, "--port", "/nonexistent/tty"};
                for (const char track : code) {
                    if (command == std::string("write"))
                        arguments.insert(arguments.end(), {std::string("--track") + track, "1"});
                }
                std::vector<std::string_view> missing;
                for (const int mode : modes) {
                    CardJob job;
                    job.Mode = mode;
                    job.Tracks = tracks;
                    LoadDeviceProfile(job.Profile, path);
                    if (missing.empty()) missing = MissingKeys(job);
                }
                const CliRun run = RunCardctlHere(arguments);
                const std::string expected =
                    missing.empty() ? "cannot open the port"
                                    : "leaves " + std::string(missing.front()) + " empty";
                EXPECT_NE(run.err.find(expected), std::string::npos)
                    << command << " --tracks " << code << " without " << key.name << ": "
                    << run.err;
            }
        }
    }
}

}  // namespace
