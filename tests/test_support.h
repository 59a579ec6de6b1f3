#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "headless/headless_host.h"

// Every test starts from the state of a freshly started viewer, with a headless window whose
// trace the test can read, and a private folder for its files.
class CoreTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The trace lines written so far, and forgets them.
    std::vector<std::string> TakeTrace();
    // Only the lines that draw something (no state settings, no host lines).
    std::vector<std::string> TakeFigures();

    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes);
    // Writes standard.mcr beside the headless window's "executable".
    void WriteLibrary(const std::string& bytes);

    std::filesystem::path folder_;
    std::ostringstream trace_;
    std::unique_ptr<HeadlessHost> host_;
};
