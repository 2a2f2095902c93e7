// The state through a host: saved, written as Turtle, read back and
// restored into a fresh instance; presets; and state that is damaged or
// cannot be had.
#include "HostFixture.h"
#include "programs/PresetFile.h"

#include <cmath>
#include <cstring>
#include <lv2/atom/atom.h>
#include <lv2/presets/presets.h>

namespace gravelo::test::lv2 {
namespace {

using namespace gravelo::lv2;

const Settings kGrowlish = {{0, 18}, {1, -9}, {3, 3.5f}, {4, 3}, {7, 6}};

// A state property as the plug-in stores it or a host hands it back.
struct Property {
    LV2_URID key = 0, type = 0;
    std::vector<uint8_t> bytes;
    bool present = true;
};

LV2_State_Status storeProperty(LV2_State_Handle handle, uint32_t key, const void* value,
                               size_t size, uint32_t type, uint32_t) {
    auto* property = static_cast<Property*>(handle);
    property->key = key;
    property->type = type;
    property->bytes.assign(static_cast<const uint8_t*>(value),
                           static_cast<const uint8_t*>(value) + size);
    return LV2_STATE_SUCCESS;
}

const void* retrieveProperty(LV2_State_Handle handle, uint32_t key, size_t* size, uint32_t* type,
                             uint32_t* flags) {
    auto* property = static_cast<Property*>(handle);
    if (!property->present || key != property->key) return nullptr;
    *size = property->bytes.size();
    *type = property->type;
    *flags = LV2_STATE_IS_POD | LV2_STATE_IS_PORTABLE;
    return property->bytes.data();
}

LV2_State_Status saveDirectly(Instance& instance, Property& property) {
    return instance.stateInterface()->save(lilv_instance_get_handle(instance.get()), storeProperty,
                                           &property, 0, nullptr);
}

LV2_State_Status restoreDirectly(Instance& instance, Property& property) {
    return instance.stateInterface()->restore(lilv_instance_get_handle(instance.get()),
                                              retrieveProperty, &property, 0, nullptr);
}

TEST_F(HostTest, AStateSavedByAHostRestoresIntoAFreshInstanceWithTheSameAudio) {
    Instance first(*world, kRate);
    apply(first, kGrowlish);
    const Stereo heard = first.render(signal(), 256);
    const std::string saved = first.saveState();
    ASSERT_NE(saved.find(kStateChunkUri), std::string::npos) << saved;

    for (const bool hostSetsPorts : {true, false}) {
        SCOPED_TRACE(hostSetsPorts ? "ports restored too" : "the state alone");
        StatePtr state(
            lilv_state_new_from_string(world->get(), &world->urids.mapFeature, saved.c_str()));
        ASSERT_TRUE(state);
        Instance second(*world, kRate);
        second.restoreState(state.get(), hostSetsPorts);
        for (uint32_t c = 0; c < kControlPorts && hostSetsPorts; ++c)
            EXPECT_EQ(second.control(c), first.control(c)) << kControlSymbols[c];
        EXPECT_TRUE(sameAudio(second.render(signal(), 256), heard));
        // The ports still rule: a later change moves the control again.
        second.control(1) = -20;
        const Stereo quieter = second.render(signal(0.1), 256);
        EXPECT_LT(std::fabs(quieter[0][2000]), std::fabs(heard[0][2000]));
    }
}

TEST_F(HostTest, EachPresetSoundsAsItsFxp) {
    LilvNodes* presets = lilv_plugin_get_related(world->plugin(), world->node(LV2_PRESETS__Preset));
    EXPECT_EQ(lilv_nodes_size(presets), 4u);
    LILV_FOREACH(nodes, i, presets) {
        const LilvNode* preset = lilv_nodes_get(presets, i);
        lilv_world_load_resource(world->get(), preset);
        StatePtr state(lilv_state_new_from_world(world->get(), &world->urids.mapFeature, preset));
        ASSERT_TRUE(state);
        const std::string label = lilv_state_get_label(state.get());
        SCOPED_TRACE(label);
        const auto fxp = gravelo::render::presetfile::parsePreset(
            render::readBytes(std::string(GRAVELO_PRESETS_DIR) + "/" + label + ".fxp"));
        ASSERT_TRUE(fxp.ok);

        Instance instance(*world, kRate);
        instance.restoreState(state.get(), true);
        for (uint32_t c = 0; c < kControlPorts; ++c) {
            float saved;
            std::memcpy(&saved, fxp.preset.chunk.data() + 4 * (c + 1), sizeof saved);
            EXPECT_EQ(instance.control(c), saved) << kControlSymbols[c];
        }
        EXPECT_TRUE(
            sameAudio(instance.render(signal(), 256), vstRender(signal(), 256, fxp.preset.chunk)));
    }
    lilv_nodes_free(presets);
}

TEST_F(HostTest, AStateOfAnotherTypeOrDamagedIsRefusedWithALogLine) {
    Instance donor(*world, kRate);
    apply(donor, kGrowlish);
    donor.run(1);
    Property good;
    ASSERT_EQ(saveDirectly(donor, good), LV2_STATE_SUCCESS);
    ASSERT_EQ(good.bytes.size(), 260u);
    EXPECT_EQ(good.type, world->urids.map(LV2_ATOM__Chunk));

    struct Damage {
        const char* what;
        void (*spoil)(Property&, UridTable&);
    };
    // The damages every format refuses are the route suite's; these are
    // LV2's own: another type, and the log line a damaged chunk leaves.
    const Damage damages[] = {
        {"wrong type", [](Property& p, UridTable& u) { p.type = u.map(LV2_ATOM__Float); }},
        {"too short", [](Property& p, UridTable&) { p.bytes.resize(10); }},
    };
    Instance untouched(*world, kRate);
    const Stereo reference = untouched.render(signal(0.25), 256);
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.what);
        Property bad = good;
        damage.spoil(bad, world->urids);
        Instance instance(*world, kRate);
        EXPECT_NE(restoreDirectly(instance, bad), LV2_STATE_SUCCESS);
        EXPECT_FALSE(instance.logMessages().empty());
        EXPECT_TRUE(sameAudio(instance.render(signal(0.25), 256), reference));
    }
    Instance withoutChunk(*world, kRate);
    Property missing = good;
    missing.present = false;
    EXPECT_EQ(restoreDirectly(withoutChunk, missing), LV2_STATE_SUCCESS); // only port values
    EXPECT_TRUE(withoutChunk.logMessages().empty());
    EXPECT_TRUE(sameAudio(withoutChunk.render(signal(0.25), 256), reference));

    Instance restored(*world, kRate);
    EXPECT_EQ(restoreDirectly(restored, good), LV2_STATE_SUCCESS);
    EXPECT_FALSE(sameAudio(restored.render(signal(0.25), 256), reference));
}

TEST_F(HostTest, WithoutAUridMapOnlyTheStateIsUnavailableAndTheLogSaysSo) {
    Instance withoutMap(*world, kRate, Instance::Features::LogOnly);
    ASSERT_TRUE(withoutMap.ok());
    ASSERT_EQ(withoutMap.logMessages().size(), 1u);
    EXPECT_NE(withoutMap.logMessages()[0].find("state cannot be saved"), std::string::npos);
    Property property;
    EXPECT_EQ(saveDirectly(withoutMap, property), LV2_STATE_ERR_NO_FEATURE);
    EXPECT_TRUE(property.bytes.empty());
    EXPECT_EQ(restoreDirectly(withoutMap, property), LV2_STATE_ERR_NO_FEATURE);

    Instance bare(*world, kRate, Instance::Features::None), full(*world, kRate);
    for (Instance* instance : {&withoutMap, &bare, &full})
        apply(*instance, kWorstCase);
    const Stereo heard = full.render(signal(), 64);
    EXPECT_TRUE(sameAudio(withoutMap.render(signal(), 64), heard));
    EXPECT_TRUE(sameAudio(bare.render(signal(), 64), heard));
    EXPECT_TRUE(full.logMessages().empty());
}

} // namespace
} // namespace gravelo::test::lv2
