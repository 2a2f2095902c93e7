#include "support/PluginFixture.h"

#include <cstring>

namespace {

using Identity = PluginFixture;

TEST_F(Identity, RecordReportsTheAmplifier) {
    const AEffect* e = host.effect();
    EXPECT_EQ(e->magic, kEffectMagic);
    EXPECT_EQ(e->numPrograms, 1);
    EXPECT_EQ(e->numParams, 9);
    EXPECT_EQ(e->numInputs, 2);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, 0x1031);
    EXPECT_EQ(e->uniqueID, 0x47525631);
    EXPECT_EQ(e->version, 1);
    EXPECT_EQ(e->initialDelay, 0);
    EXPECT_EQ(e->ioRatio, 1.0f);
    EXPECT_NE(e->object, nullptr);
    EXPECT_NE(e->processReplacing, nullptr);
    EXPECT_NE(e->processDoubleReplacing, nullptr);
}

TEST_F(Identity, NamesAndVersions) {
    EXPECT_EQ(host.text(effGetEffectName), "Gravelo I");
    EXPECT_EQ(host.text(effGetVendorString), "Morvane");
    EXPECT_EQ(host.text(effGetProductString), "Gravelo");
    EXPECT_EQ(host.text(effGetProgramName), "Gravelo");
    char buffer[64];
    EXPECT_EQ(host.dispatch(effGetEffectName, 0, 0, buffer), 1);
    EXPECT_EQ(host.dispatch(effGetVendorVersion), 1000);
    EXPECT_EQ(host.dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(host.dispatch(effIdentify), 0x4e764566);
}

TEST_F(Identity, ConstructionAsksTheHostVersionWithANullEffect) {
    ASSERT_FALSE(host.calls.empty());
    EXPECT_EQ(host.calls.front().opcode, audioMasterVersion);
    EXPECT_EQ(host.calls.front().effect, nullptr);
}

TEST_F(Identity, EditorRectangleIs600By284) {
    ERect* rect = nullptr;
    EXPECT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 284);
    EXPECT_EQ(rect->right, 600);
}

TEST_F(Identity, AllThreeEntriesGiveTheSameRecord) {
    for (const char* name : {"main", "MAIN"}) {
        gravelo::vsthost::Host other;
        ASSERT_TRUE(other.create(library->entry(name))) << name;
        AEffect a = *host.effect(), b = *other.effect();
        EXPECT_NE(a.object, b.object) << "a new instance each time";
        a.object = b.object = nullptr;
        a.user = b.user = nullptr;
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << name;
    }
    EXPECT_EQ(library->entry("main"), library->entry("VSTPluginMain"));
    EXPECT_NE(library->entry("MAIN"), library->entry("VSTPluginMain"));
}

TEST_F(Identity, HostRefusingTheVersionQueryGetsNothing) {
    gravelo::vsthost::Host refusing;
    refusing.versionAnswer = 0;
    EXPECT_FALSE(refusing.create(library->entry("VSTPluginMain")));
    EXPECT_EQ(refusing.calls.size(), 1u) << "nothing but the version query reaches the host";
}

TEST_F(Identity, CloseAnswersOne) {
    EXPECT_EQ(host.close(), 1);
}

TEST_F(Identity, ManyInstancesComeAndGo) {
    std::vector<std::unique_ptr<gravelo::vsthost::Host>> alive;
    for (int i = 0; i < 200; ++i) {
        alive.push_back(std::make_unique<gravelo::vsthost::Host>());
        ASSERT_TRUE(alive.back()->create(library->entry("VSTPluginMain")));
        alive.back()->start();
    }
    for (auto& instance : alive)
        EXPECT_EQ(instance->close(), 1);
}

} // namespace
