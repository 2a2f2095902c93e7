// lv2info reads the bundle as hosts read it: the plug-in, its UI, its
// presets and its ports with names, ranges, units and steps, all without a
// warning.
#include "LilvHost.h"
#include "RenderTestSupport.h"
#include "instance/AmpInstance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

using namespace gravelo::lv2;
using gravelo::test::render::runProgram;

std::string fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

// The lines lv2info prints for port `index`.
std::string portBlock(const std::string& info, uint32_t index) {
    const std::string head = "\tPort " + std::to_string(index) + ":\n";
    const size_t start = info.find(head);
    if (start == std::string::npos) return {};
    return info.substr(start, info.find("\n\n", start) - start);
}

// The bracketed port description that names `symbol` in a Turtle file
// written by lv2info -p.
std::string describedPort(const std::string& turtle, const std::string& symbol) {
    const size_t at = turtle.find("lv2:symbol \"" + symbol + "\"");
    if (at == std::string::npos) return {};
    const size_t open = turtle.rfind('[', at);
    return turtle.substr(open, turtle.find(']', at) - open);
}

class Lv2Bundle : public ::testing::Test {
  protected:
    void SetUp() override { gravelo::test::lv2::useBuiltBundle(); }
    const gravelo::instance::AmpInstance amp;
};

TEST_F(Lv2Bundle, Lv2infoListsThePluginItsUiAndItsPresetsWithoutAWarning) {
    const auto result = runProgram("lv2info", {kPluginUri});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const std::string& info = result.out;
    EXPECT_NE(info.find("Name:              Gravelo I\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Class:             Amplifier Plugin\n"), std::string::npos);
    EXPECT_NE(info.find("Author:            Morvane\n"), std::string::npos);
    EXPECT_NE(info.find(std::string(kUiUri) + "\n\t\t\tClass:  "
                                              "http://lv2plug.in/ns/extensions/ui#X11UI\n"),
              std::string::npos);
    EXPECT_NE(info.find("/Gravelo.lv2/gravelo_ui.so\n"), std::string::npos);
    EXPECT_NE(info.find("Extension Data:    http://lv2plug.in/ns/ext/state#interface"),
              std::string::npos);
    const size_t presetsAt = info.find("Presets:");
    const std::string presets = info.substr(presetsAt, info.find("Port 0:") - presetsAt);
    for (const char* name : {"clean", "dirt", "growl", "scooped"})
        EXPECT_NE(presets.find(" " + std::string(name) + "\n"), std::string::npos) << presets;
}

TEST_F(Lv2Bundle, Lv2infoListsEveryPortWithItsNameAndRange) {
    const auto result = runProgram("lv2info", {kPluginUri});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(portBlock(result.out, kPortCount), "");
    for (uint32_t c = 0; c < kControlPorts; ++c) {
        const gravelo::instance::ControlInfo& info = amp.controlInfo(static_cast<int>(c));
        const std::string block = portBlock(result.out, kFirstControl + c);
        EXPECT_NE(block.find("lv2core#InputPort"), std::string::npos) << block;
        EXPECT_NE(block.find("Symbol:      " + std::string(kControlSymbols[c]) + "\n"),
                  std::string::npos)
            << block;
        EXPECT_NE(block.find("Name:        " + std::string(info.name) + "\n"), std::string::npos);
        EXPECT_NE(block.find("Minimum:     " + fixed(info.minimum)), std::string::npos) << block;
        EXPECT_NE(block.find("Maximum:     " + fixed(info.maximum)), std::string::npos) << block;
        EXPECT_NE(block.find("Default:     " + fixed(info.defaultValue)), std::string::npos);
    }
    for (uint32_t port : {kFirstMeter, kLamp}) {
        const std::string block = portBlock(result.out, port);
        EXPECT_NE(block.find("lv2core#OutputPort"), std::string::npos) << block;
        EXPECT_NE(block.find("lv2core#connectionOptional"), std::string::npos) << block;
    }
    EXPECT_NE(portBlock(result.out, kInputLeft).find("AudioPort"), std::string::npos);
    EXPECT_NE(portBlock(result.out, kOutputRight).find("AudioPort"), std::string::npos);
}

TEST_F(Lv2Bundle, TheDescriptionLv2infoWritesGivesUnitsAndSteps) {
    gravelo::test::render::TempDir folder;
    const std::string written = folder.file("gravelo.ttl");
    const auto result = runProgram("lv2info", {"-p", written, kPluginUri});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    std::ifstream in(written);
    const std::string turtle{std::istreambuf_iterator<char>(in), {}};
    for (uint32_t c = 0; c < kControlPorts; ++c) {
        const gravelo::instance::ControlInfo& info = amp.controlInfo(static_cast<int>(c));
        const std::string port = describedPort(turtle, kControlSymbols[c]);
        const long steps = std::lround((info.maximum - info.minimum) / info.step) + 1;
        EXPECT_NE(port.find("port-props#rangeSteps> " + std::to_string(steps) + " ;"),
                  std::string::npos)
            << port;
        EXPECT_EQ(port.find("units#db>") != std::string::npos, controlIsDecibels(c)) << port;
    }
    EXPECT_NE(describedPort(turtle, "output")
                  .find("units#unit> <http://lv2plug.in/ns/extensions/"
                        "units#db>"),
              std::string::npos);
}

} // namespace
