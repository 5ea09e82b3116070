#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fake_hid_devices.h"

// The simulator's device in the test's own process, answering for a FakeEncoder: each
// message the host ends goes to it, and what it has to say at once comes back, so its
// options should leave no delay. `arguments` are cardsim's options (a file they name is
// looked for in `folder`); nothing when they do not parse, with the reason in `error`.
FakeEncoder::Answer SimulatorAnswers(const std::vector<std::string>& arguments,
                                     const std::filesystem::path& folder, std::string& error);
