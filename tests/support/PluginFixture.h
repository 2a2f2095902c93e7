// Loads the built plug-in once per test program and creates instances
// through its entry, as a host does.
#pragma once

#include "vsthost/PluginLibrary.h"

#include <gtest/gtest.h>

#include <memory>

class PluginFixture : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string error;
        library =
            gravelo::vsthost::PluginLibrary::load(gravelo::vsthost::builtPluginPath(), &error);
        ASSERT_NE(library, nullptr) << error;
    }
    static void TearDownTestSuite() { library.reset(); }

    void SetUp() override { ASSERT_TRUE(host.create(library->entry("VSTPluginMain"))); }

    static inline std::unique_ptr<gravelo::vsthost::PluginLibrary> library;
    gravelo::vsthost::Host host;
};
