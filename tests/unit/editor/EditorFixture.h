// A shell around a recording runtime, created through the bridge the way
// the exported entries do, for white-box editor tests.
#pragma once

#include "editor/CVeSTEditor.h"
#include "host/CVeST.h"
#include "host/VeSTBridge.h"
#include "support/RecordingRuntime.h"

#include <gtest/gtest.h>

struct EditorHost {
    static VstIntPtr callback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
        if (opcode == audioMasterVersion) return 2400;
        if (opcode == audioMasterIdle) ++idleRequests;
        return 0;
    }
    static inline int idleRequests = 0;
};

class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        runtime = new RecordingRuntime();
        effect = createPlugin(runtime, EditorHost::callback);
        ASSERT_NE(effect, nullptr);
        shell = static_cast<CVeST*>(effect->object);
        editor = static_cast<CVeSTEditor*>(shell->getEditor());
        ASSERT_NE(editor, nullptr);
    }
    void TearDown() override { effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f); }

    VstIntPtr dispatch(VstInt32 opcode, void* ptr = nullptr) {
        return effect->dispatcher(effect, opcode, 0, 0, ptr, 0.0f);
    }

    RecordingRuntime* runtime = nullptr;
    AEffect* effect = nullptr;
    CVeST* shell = nullptr;
    CVeSTEditor* editor = nullptr;
};
