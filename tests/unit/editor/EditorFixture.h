// A shell around a recording runtime, created through the bridge the way
// the exported entries do, for white-box editor tests.
#pragma once

#include "host/CVeST.h"
#include "host/CVeSTEditor.h"
#include "support/RecordingRuntime.h"
#include "vsthost/InProcess.h"

#include <gtest/gtest.h>

class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        runtime = new RecordingRuntime();
        ASSERT_TRUE(gravelo::vsthost::createWithRuntime(host, runtime));
        shell = &gravelo::vsthost::shellOf(host.effect());
        editor = static_cast<CVeSTEditor*>(shell->getEditor());
        ASSERT_NE(editor, nullptr);
    }

    VstIntPtr dispatch(VstInt32 opcode, void* ptr = nullptr) {
        return host.dispatch(opcode, 0, 0, ptr);
    }

    gravelo::vsthost::Host host;
    RecordingRuntime* runtime = nullptr;
    CVeST* shell = nullptr;
    CVeSTEditor* editor = nullptr;
};
