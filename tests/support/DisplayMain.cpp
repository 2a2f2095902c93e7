// The main of a GoogleTest program whose tests need an X server: a private
// virtual one runs from before the first test to after the last. Listing
// the tests (--gtest_list_tests) starts none.
#include "support/VirtualDisplay.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class DisplayEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        display = std::make_unique<gravelo::test::display::VirtualDisplay>();
        ASSERT_FALSE(display->name().empty()) << "Xvfb did not start";
    }
    void TearDown() override { display.reset(); }

  private:
    std::unique_ptr<gravelo::test::display::VirtualDisplay> display;
};

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new DisplayEnvironment());
    return RUN_ALL_TESTS();
}
