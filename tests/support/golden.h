#pragma once

#include <gtest/gtest.h>

#include <string>

// Compares bytes with a file under golden/. A mismatch fails with a unified diff of the
// two; UPDATE_GOLDEN=1 in the environment writes the file instead.
::testing::AssertionResult MatchesGolden(const std::string& actual, const std::string& name);
