// A runtime that records the order in which its hooks run.
#pragma once

#include "runtime/TVobrix.h"

#include <string>
#include <vector>

class RecordingRuntime : public TVobrix {
  public:
    static constexpr int32_t kEditorWidth = 320, kEditorHeight = 200;
    RecordingRuntime() {
        editorWidth = kEditorWidth;
        editorHeight = kEditorHeight;
    }
    void doSlider() override { hooks.push_back("slider"); }
    void doInit() override { hooks.push_back("init"); }
    void doBlock() override { hooks.push_back("block"); }
    void doSample() override {
        ++sampleCount;
        for (double& slot : samples)
            slot *= gain;
    }
    void doSerialize() override {
        for (double& value : serialized)
            streamValue(stateStream(), value);
    }

    std::vector<std::string> hooks;
    std::vector<double> serialized;
    int sampleCount = 0;
    double gain = 1.0;
};
