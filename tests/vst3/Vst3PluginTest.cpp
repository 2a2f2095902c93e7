// Gravelo.vst3 through the project's own VST 3 test host: the module and
// its factory, the buses, the parameters and their texts, the state diagram,
// audio equal to the VST 2.x render, sample-accurate parameter points, and
// the state through streams of one byte per call.
#include "RenderTestSupport.h"
#include "Vst3TestHost.h"
#include "instance/AmpInstance.h"
#include "vst3/bundle/PresetContainer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

namespace gravelo::test::vst3 {
namespace {

constexpr double kRate = 48000.0;
constexpr ParamID kOutput = 1;

std::string utf8(const char16_t* text) {
    std::string s;
    for (; *text != 0; ++text)
        s.push_back(static_cast<char>(*text));
    return s;
}

std::u16string utf16(const std::string& text) {
    return {text.begin(), text.end()};
}

// The file's audio through the plug-in in blocks of `block`, planar; the
// parameter points of `first` arrive with the first block. A mono side
// passes only the left channel (the right output stays zero).
std::vector<std::vector<double>> renderFile(Plugin& amp, const render::Audio& input, int32_t block,
                                            bool doublePrecision, ParameterChanges* first = nullptr,
                                            bool monoIn = false, bool monoOut = false) {
    std::vector<std::vector<double>> planar(2);
    const int64_t frames = input.frames();
    for (int64_t at = 0; at < frames; at += block) {
        const int32_t n = static_cast<int32_t>(std::min<int64_t>(block, frames - at));
        std::vector<double> l(n), r(n), ol(n), orr(n);
        for (int32_t f = 0; f < n; ++f) {
            l[f] = input.at(at + f, 0);
            r[f] = input.at(at + f, 1);
        }
        ParameterChanges* changes = at == 0 ? first : nullptr;
        if (doublePrecision) {
            amp.process(l.data(), monoIn ? nullptr : r.data(), ol.data(),
                        monoOut ? nullptr : orr.data(), n, changes);
        } else {
            std::vector<float> lf(l.begin(), l.end()), rf(r.begin(), r.end()), olf(n), orf(n);
            amp.process(lf.data(), monoIn ? nullptr : rf.data(), olf.data(),
                        monoOut ? nullptr : orf.data(), n, changes);
            ol.assign(olf.begin(), olf.end());
            orr.assign(orf.begin(), orf.end());
        }
        planar[0].insert(planar[0].end(), ol.begin(), ol.end());
        planar[1].insert(planar[1].end(), orr.begin(), orr.end());
    }
    return planar;
}

TEST(Vst3Module, EntriesFactoryAndTheOneClass) {
    const Module& module = builtModule();
    ASSERT_NE(module.factory(), nullptr) << module.error();
    EXPECT_NE(module.symbol("ModuleEntry"), nullptr);
    EXPECT_NE(module.symbol("ModuleExit"), nullptr);
    // Entry and exit pair up any number of times, and a second load works.
    {
        Module again(builtModulePath());
        ASSERT_NE(again.factory(), nullptr);
        EXPECT_EQ(again.factory(), module.factory());
    }
    IPluginFactory* factory = module.factory();
    void* face = nullptr;
    ASSERT_EQ(factory->queryInterface(iid::IPluginFactory3.bytes, &face), kResultOk);
    auto* factory3 = static_cast<IPluginFactory3*>(face);
    EXPECT_EQ(factory->queryInterface(iid::IComponent.bytes, &face), kNoInterface);
    EXPECT_EQ(face, nullptr);

    PFactoryInfo info{};
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "Morvane");
    EXPECT_EQ(info.flags, 16); // Unicode
    ASSERT_EQ(factory->countClasses(), 1);

    // The class id in Linux byte order: big-endian words.
    const uint8_t id[16] = {0x4D, 0x6F, 0x72, 0x76, 0x47, 0x72, 0x61, 0x76,
                            0x65, 0x6C, 0x6F, 0x31, 0x41, 0x33, 0x56, 0x53};
    PClassInfo plain{};
    ASSERT_EQ(factory->getClassInfo(0, &plain), kResultOk);
    EXPECT_EQ(std::memcmp(plain.cid, id, 16), 0);
    EXPECT_STREQ(plain.category, "Audio Module Class");
    EXPECT_STREQ(plain.name, "Gravelo I");
    EXPECT_EQ(plain.cardinality, 0x7FFFFFFF);
    PClassInfo2 two{};
    ASSERT_EQ(factory3->getClassInfo2(0, &two), kResultOk);
    EXPECT_STREQ(two.subCategories, "Fx|Distortion|EQ|Dynamics");
    EXPECT_STREQ(two.vendor, "Morvane");
    EXPECT_STREQ(two.version, GRAVELO_VERSION);
    EXPECT_EQ(two.classFlags, 0u);
    PClassInfoW wide{};
    ASSERT_EQ(factory3->getClassInfoUnicode(0, &wide), kResultOk);
    EXPECT_EQ(utf8(wide.name), "Gravelo I");
    EXPECT_EQ(utf8(wide.version), GRAVELO_VERSION);
    EXPECT_EQ(std::memcmp(wide.cid, id, 16), 0);
    EXPECT_EQ(factory->getClassInfo(1, &plain), kInvalidArgument);
    EXPECT_EQ(factory3->getClassInfo2(-1, &two), kInvalidArgument);
    EXPECT_EQ(factory3->setHostContext(nullptr), kResultOk);

    // An unknown class or interface gives nothing.
    void* object = &info;
    EXPECT_EQ(factory->createInstance(iid::IComponent.bytes, iid::IComponent.bytes, &object),
              kNoInterface);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(
        factory->createInstance(reinterpret_cast<const char*>(id), iid::IPlugView.bytes, &object),
        kNoInterface);
    EXPECT_EQ(object, nullptr);

    // The bundle's moduleinfo.json names the same class.
    std::ifstream json(std::string(GRAVELO_VST3_BUNDLE) + "/Contents/Resources/moduleinfo.json");
    const std::string text{std::istreambuf_iterator<char>(json), {}};
    EXPECT_NE(text.find("\"CID\": \"4D6F727647726176656C6F3141335653\""), std::string::npos);
    EXPECT_NE(text.find("\"Name\": \"Gravelo I\""), std::string::npos);
    EXPECT_NE(text.find("[\"Fx\", \"Distortion\", \"EQ\", \"Dynamics\"]"), std::string::npos);
}

// The header's ids in the byte order Linux hosts use.
TEST(Vst3Module, InterfaceIdsInLinuxByteOrder) {
    const uint8_t component[16] = {0xE8, 0x31, 0xFF, 0x31, 0xF2, 0xD5, 0x43, 0x01,
                                   0x92, 0x8E, 0xBB, 0xEE, 0x25, 0x69, 0x78, 0x02};
    const uint8_t unknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    EXPECT_EQ(std::memcmp(iid::IComponent.bytes, component, 16), 0);
    EXPECT_EQ(std::memcmp(iid::FUnknown.bytes, unknown, 16), 0);
}

TEST(Vst3Plugin, OneObjectAnswersEveryFaceAndOneStereoBusEachWay) {
    Plugin amp;
    ASSERT_NE(amp.processor, nullptr);
    ASSERT_NE(amp.controller, nullptr);
    void* face = nullptr;
    ASSERT_EQ(amp.controller->queryInterface(iid::IComponent.bytes, &face), kResultOk);
    EXPECT_EQ(face, amp.component);
    static_cast<FUnknown*>(face)->release();
    EXPECT_EQ(amp.component->queryInterface(iid::IConnectionPoint.bytes, &face), kNoInterface);
    char controllerId[16] = {};
    EXPECT_EQ(amp.component->getControllerClassId(controllerId), kResultFalse);

    EXPECT_EQ(amp.component->getBusCount(kAudio, kInput), 1);
    EXPECT_EQ(amp.component->getBusCount(kAudio, kOutput), 1);
    EXPECT_EQ(amp.component->getBusCount(kEvent, kInput), 0);
    BusInfo bus{};
    ASSERT_EQ(amp.component->getBusInfo(kAudio, kOutput, 0, &bus), kResultOk);
    EXPECT_EQ(bus.channelCount, 2);
    EXPECT_EQ(utf8(bus.name), "Output");
    EXPECT_EQ(bus.busType, kMain);
    EXPECT_EQ(bus.flags, 1u);
    EXPECT_EQ(amp.component->getBusInfo(kAudio, kInput, 1, &bus), kInvalidArgument);
    EXPECT_EQ(amp.component->activateBus(kAudio, kInput, 0, 1), kResultOk);
    EXPECT_EQ(amp.component->activateBus(kEvent, kInput, 0, 1), kInvalidArgument);

    SpeakerArrangement now = 0;
    EXPECT_EQ(amp.processor->getBusArrangement(kOutput, 1, &now), kInvalidArgument);
    EXPECT_EQ(amp.processor->canProcessSampleSize(kSample32), kResultTrue);
    EXPECT_EQ(amp.processor->canProcessSampleSize(kSample64), kResultTrue);
    EXPECT_EQ(amp.processor->canProcessSampleSize(2), kResultFalse);

    // No latency; the tail is the instance's at the rate of the last setup.
    EXPECT_EQ(amp.processor->getTailSamples(), kNoTail);
    for (double rate : {kRate, 96000.0}) {
        ASSERT_TRUE(amp.start(rate, 512));
        EXPECT_EQ(amp.processor->getLatencySamples(), 0u);
        EXPECT_EQ(amp.processor->getTailSamples(), instance::AmpInstance::tailFrames(rate));
        amp.stop();
    }
}

// Mono or stereo in to an output at least as wide, each reported back by
// both queries; anything else is refused and leaves stereo both ways, and
// while active only the layout in place is taken.
TEST(Vst3Plugin, MonoAndStereoLayoutsAndNothingElse) {
    Plugin amp;
    SpeakerArrangement stereo = kStereo, mono = 0x80000, left = kSpeakerL, surround = 0x3F,
                       none = 0;
    auto layout = [&](BusDirection direction) {
        SpeakerArrangement now = 0;
        BusInfo bus{};
        EXPECT_EQ(amp.processor->getBusArrangement(direction, 0, &now), kResultOk);
        EXPECT_EQ(amp.component->getBusInfo(kAudio, direction, 0, &bus), kResultOk);
        return std::pair(now, bus.channelCount);
    };
    const std::pair<SpeakerArrangement*, SpeakerArrangement*> taken[] = {
        {&mono, &stereo}, {&mono, &mono}, {&left, &left}, {&stereo, &stereo}};
    for (const auto& [in, out] : taken) {
        EXPECT_EQ(amp.processor->setBusArrangements(in, 1, out, 1), kResultTrue);
        EXPECT_EQ(layout(kInput), std::pair(*in, *in == kStereo ? 2 : 1));
        EXPECT_EQ(layout(kOutput), std::pair(*out, *out == kStereo ? 2 : 1));
    }
    const std::pair<SpeakerArrangement*, SpeakerArrangement*> refused[] = {
        {&stereo, &mono}, {&stereo, &left}, {&surround, &surround}, {&none, &stereo}};
    for (const auto& [in, out] : refused) {
        amp.processor->setBusArrangements(&mono, 1, &mono, 1);
        EXPECT_EQ(amp.processor->setBusArrangements(in, 1, out, 1), kResultFalse);
        EXPECT_EQ(layout(kInput), std::pair(kStereo, 2));
        EXPECT_EQ(layout(kOutput), std::pair(kStereo, 2));
    }
    SpeakerArrangement two[2] = {mono, mono};
    EXPECT_EQ(amp.processor->setBusArrangements(two, 2, &mono, 1), kResultFalse);
    EXPECT_EQ(amp.processor->setBusArrangements(&mono, 0, &mono, 1), kResultFalse);

    ASSERT_TRUE(amp.start(kRate, 256));
    EXPECT_EQ(amp.processor->setBusArrangements(&mono, 1, &stereo, 1), kResultFalse);
    EXPECT_EQ(amp.processor->setBusArrangements(&stereo, 1, &stereo, 1), kResultTrue);
    EXPECT_EQ(layout(kInput), std::pair(kStereo, 2));
}

TEST(Vst3Params, NineControlsWithUnitsStepsAndTheVstTexts) {
    Plugin amp;
    IEditController* c = amp.controller;
    ASSERT_EQ(c->getParameterCount(), 9);
    const char* names[9] = {"Quorvel", "Output", "Presence", "Dirt", "Bass",
                            "Middle",  "Treble", "Depth",    "LFcut"};
    const int32_t steps[9] = {40, 80, 100, 100, 120, 120, 120, 99, 100};
    const double defaults[9] = {0, 0, 0, 0, 0, 0, 0, 8, 0};
    for (int32_t i = 0; i < 9; ++i) {
        ParameterInfo info{};
        ASSERT_EQ(c->getParameterInfo(i, &info), kResultOk);
        EXPECT_EQ(info.id, static_cast<ParamID>(i));
        EXPECT_EQ(utf8(info.title), names[i]);
        EXPECT_EQ(utf8(info.units), i < 2 ? "dB" : "") << names[i];
        EXPECT_EQ(info.stepCount, steps[i]) << names[i];
        EXPECT_EQ(info.flags, kCanAutomate);
        EXPECT_NEAR(c->normalizedParamToPlain(info.id, info.defaultNormalizedValue), defaults[i],
                    1e-12);
        EXPECT_NEAR(c->getParamNormalized(info.id), info.defaultNormalizedValue, 1e-12);
        // Text round trips: what a value prints reads back to the same text.
        for (double v : {0.0, 0.013, 0.25, 0.5, 0.7501, 1.0}) {
            String128 text{};
            ASSERT_EQ(c->getParamStringByValue(info.id, v, text), kResultOk);
            double back = -1.0;
            ASSERT_EQ(c->getParamValueByString(info.id, text, &back), kResultOk) << utf8(text);
            String128 again{};
            c->getParamStringByValue(info.id, back, again);
            EXPECT_EQ(utf8(again), utf8(text));
            // The value a normalised value names reads back as itself.
            const double plain = c->normalizedParamToPlain(info.id, v);
            EXPECT_EQ(c->normalizedParamToPlain(info.id, c->plainParamToNormalized(info.id, plain)),
                      plain);
        }
    }
    ParameterInfo none{};
    EXPECT_EQ(c->getParameterInfo(9, &none), kInvalidArgument);
    // The VST 2.x display text of the snapped value; bare numbers read too.
    String128 text{};
    c->getParamStringByValue(kOutput, 0.7501, text);
    EXPECT_EQ(utf8(text), "10.00");
    c->getParamStringByValue(0, 0.3, text);
    EXPECT_EQ(utf8(text), "12.00");
    double v = 0.0;
    std::u16string typed = utf16(" -10 ");
    ASSERT_EQ(c->getParamValueByString(kOutput, typed.data(), &v), kResultOk);
    EXPECT_DOUBLE_EQ(v, 0.25);
    for (const char* bad : {"", "loud", "3 dB", "nan", "inf"}) {
        std::u16string t = utf16(bad);
        EXPECT_EQ(c->getParamValueByString(kOutput, t.data(), &v), kResultFalse) << bad;
    }
    EXPECT_EQ(c->getParamStringByValue(9, 0.5, text), kInvalidArgument);
    EXPECT_EQ(c->setParamNormalized(9, 0.5), kInvalidArgument);
    // The host's value is held by the control rule: snapped, kept in range.
    ASSERT_EQ(c->setParamNormalized(kOutput, 0.7512), kResultOk);
    EXPECT_EQ(amp.value(kOutput), 10.0);
    c->setParamNormalized(kOutput, 7.0);
    EXPECT_EQ(amp.value(kOutput), 20.0);
    EXPECT_EQ(c->setParamNormalized(kOutput, std::nan("")), kResultFalse);
    EXPECT_EQ(amp.value(kOutput), 20.0);
}

// What a host reads back is the value the sound uses: Depth at normalised
// 0.8 (8.02 on its range) is taken as 8.0, and every read says 8.0.
TEST(Vst3Params, AHostReadsBackTheValueTheSoundUses) {
    Plugin amp;
    IEditController* c = amp.controller;
    constexpr ParamID kDepth = 7;
    EXPECT_EQ(c->normalizedParamToPlain(kDepth, 0.8), 8.0);
    String128 text{};
    ASSERT_EQ(c->getParamStringByValue(kDepth, 0.8, text), kResultOk);
    EXPECT_EQ(utf8(text), "8.00");
    c->setParamNormalized(kDepth, 0.1); // away from the default first
    ASSERT_EQ(c->setParamNormalized(kDepth, 0.8), kResultOk);
    const double read = c->getParamNormalized(kDepth);
    EXPECT_EQ(c->normalizedParamToPlain(kDepth, read), 8.0);
    EXPECT_EQ(amp.value(kDepth), 8.0);
    c->getParamStringByValue(kDepth, read, text);
    EXPECT_EQ(utf8(text), "8.00");
    // The state holds what the sound uses.
    const std::vector<uint8_t> state = amp.save();
    float saved = 0.0f;
    std::memcpy(&saved, state.data() + 4 * 8, sizeof saved);
    EXPECT_EQ(saved, 8.0f);
}

// The state diagram: each step needs the one before it, and going back
// down the steps and up again works.
TEST(Vst3Plugin, CallsFollowTheStateDiagramAndBack) {
    void* object = nullptr;
    constexpr Uid classId = makeUid(0x4D6F7276, 0x47726176, 0x656C6F31, 0x41335653);
    ASSERT_EQ(
        builtModule().factory()->createInstance(classId.bytes, iid::IComponent.bytes, &object),
        kResultOk);
    auto* component = static_cast<IComponent*>(object);
    component->queryInterface(iid::IAudioProcessor.bytes, &object);
    auto* processor = static_cast<IAudioProcessor*>(object);
    ProcessSetup setup{0, kSample32, 256, kRate};
    EXPECT_EQ(processor->setupProcessing(&setup), kNotInitialized); // before initialize
    ASSERT_EQ(component->initialize(nullptr), kResultOk);
    EXPECT_EQ(component->setActive(1), kNotInitialized); // before setupProcessing
    EXPECT_EQ(processor->setProcessing(1), kNotInitialized);

    std::vector<float> in(256, 0.25f), left(256, 7.0f), right(256, 7.0f);
    float* ins[2] = {in.data(), in.data()};
    float* outs[2] = {left.data(), right.data()};
    AudioBusBuffers inBus{2, 0, {ins}}, outBus{2, 0, {outs}};
    ProcessData data{};
    data.numSamples = 256;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &inBus;
    data.outputs = &outBus;
    EXPECT_EQ(processor->process(&data), kNotInitialized); // audio before activation
    EXPECT_EQ(left[0], 7.0f);

    ProcessSetup bad{0, kSample32, 0, kRate};
    EXPECT_EQ(processor->setupProcessing(&bad), kInvalidArgument);
    bad = {0, kSample32, 256, -1.0};
    EXPECT_EQ(processor->setupProcessing(&bad), kInvalidArgument);
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(processor->setupProcessing(&setup), kResultOk);
        ASSERT_EQ(component->setActive(1), kResultOk);
        ASSERT_EQ(processor->setProcessing(1), kResultOk);
        ASSERT_EQ(processor->process(&data), kResultOk);
        EXPECT_NE(left[0], 7.0f);
        EXPECT_EQ(left, right);
        ASSERT_EQ(processor->setProcessing(0), kResultOk);
        ASSERT_EQ(component->setActive(0), kResultOk);
        left.assign(256, 7.0f);
        EXPECT_EQ(processor->process(&data), kNotInitialized);
        // Terminated and initialised again, the object starts over.
        ASSERT_EQ(component->terminate(), kResultOk);
        ASSERT_EQ(component->terminate(), kResultOk);
        ASSERT_EQ(component->initialize(nullptr), kResultOk);
    }
    // Without setProcessing (some hosts never call it) and with a flush of
    // parameters only, processing still works.
    ASSERT_EQ(processor->setupProcessing(&setup), kResultOk);
    ASSERT_EQ(component->setActive(1), kResultOk);
    EXPECT_EQ(processor->process(&data), kResultOk);
    ParameterChanges changes;
    changes.add(kOutput, 0, 0.75);
    ProcessData flush{};
    flush.inputParameterChanges = &changes;
    EXPECT_EQ(processor->process(&flush), kResultOk);
    object = nullptr;
    component->queryInterface(iid::IEditController.bytes, &object);
    auto* controller = static_cast<IEditController*>(object);
    EXPECT_EQ(controller->normalizedParamToPlain(kOutput, controller->getParamNormalized(kOutput)),
              10.0);
    controller->release();
    processor->release();
    component->terminate();
    EXPECT_EQ(component->release(), 0u);
}

// The same settings through the VST 3 shell as through gravelo-render (the
// VST 2.x plug-in): equal sample for sample, in single and double precision.
// In double precision (single precision: the route suite) with a block
// length that divides no buffer evenly.
TEST(Vst3Audio, DoubleRenderEqualsGraveloRenderWithTheSameBlock) {
    render::TempDir dir;
    const render::Audio input = render::testSignal(48000, 2, 1.5);
    render::writeAudio(dir.file("in.wav"), input);
    const render::ToolResult run = render::runTool(
        {"--double", "--block", "300", "--set", "Quorvel=12", "--set", "Output=-3.5", "--set",
         "Dirt=5.5", "--set", "Bass=2.5", dir.file("in.wav"), dir.file("out.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    Plugin amp;
    ASSERT_TRUE(amp.start(kRate, 300, kSample64));
    // The settings as a host sends them: points at frame 0 of the first block.
    ParameterChanges changes;
    changes.add(0, 0, 12.0 / 40.0);
    changes.add(kOutput, 0, (-3.5 + 20.0) / 40.0);
    changes.add(3, 0, 0.55);
    changes.add(4, 0, (2.5 + 6.0) / 12.0);
    const auto planar = renderFile(amp, input, 300, true, &changes);
    EXPECT_EQ(amp.value(kOutput), -3.5);
    std::string why;
    EXPECT_TRUE(render::sameAudio(render::readAudio(dir.file("out.wav")), planar, why)) << why;
}

// Mono in renders what stereo in gives on the left (only the left input is
// read), bit for bit; a mono-in stereo output carries it on both sides.
TEST(Vst3Audio, MonoLayoutsRenderTheStereoLeftChannel) {
    const render::Audio input = render::testSignal(48000, 2, 0.5);
    auto renderWith = [&](SpeakerArrangement in, SpeakerArrangement out) {
        Plugin amp;
        EXPECT_EQ(amp.processor->setBusArrangements(&in, 1, &out, 1), kResultTrue);
        amp.set(3, 5.5);
        EXPECT_TRUE(amp.start(kRate, 300));
        return renderFile(amp, input, 300, false, nullptr, in != kStereo, out != kStereo);
    };
    const auto stereo = renderWith(kStereo, kStereo);
    const auto monoToStereo = renderWith(kMono, kStereo);
    const auto monoToMono = renderWith(kMono, kMono);
    EXPECT_EQ(monoToStereo[0], stereo[0]);
    EXPECT_EQ(monoToStereo[1], stereo[0]);
    EXPECT_EQ(monoToMono[0], stereo[0]);
}

// Each .vstpreset made from a .fxp gives the sound gravelo-render gives with
// that .fxp.
TEST(Vst3Audio, EachVstPresetSoundsLikeItsFxp) {
    render::TempDir dir;
    const render::Audio input = render::testSignal(48000, 2, 1.0);
    render::writeAudio(dir.file("in.wav"), input);
    int presets = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GRAVELO_FXP_PRESETS)) {
        if (entry.path().extension() != ".fxp") continue;
        ++presets;
        const std::string name = entry.path().stem().string();
        const render::ToolResult run = render::runTool(
            {"--load-preset", entry.path().string(), dir.file("in.wav"), dir.file("out.wav")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<uint8_t> file =
            render::readBytes(std::string(GRAVELO_VST3_PRESETS) + "/" + name + ".vstpreset");
        std::vector<uint8_t> state;
        ASSERT_TRUE(
            gravelo::vst3::readVstPresetState(file, "4D6F727647726176656C6F3141335653", state))
            << name;
        Plugin amp;
        ASSERT_EQ(amp.load(state, 3), kResultOk) << name;
        ASSERT_TRUE(amp.start(kRate, 256));
        std::string why;
        EXPECT_TRUE(render::sameAudio(render::readAudio(dir.file("out.wav")),
                                      renderFile(amp, input, 256, false), why))
            << name << ": " << why;
        EXPECT_FALSE(
            gravelo::vst3::readVstPresetState(file, "00000000000000000000000000000000", state));
    }
    EXPECT_EQ(presets, 4);
}

// An input the host flags silent is read as silence, whatever its buffer
// holds; the outputs, never exact silence, are not flagged.
TEST(Vst3Audio, SilenceFlagsAreHonoured) {
    Plugin flagged, zeros;
    ASSERT_TRUE(flagged.start(kRate, 256));
    ASSERT_TRUE(zeros.start(kRate, 256));
    std::vector<float> noise(256, 0.5f), silence(256, 0.0f), a(256), b(256), c(256), d(256);
    float* ins[2] = {noise.data(), noise.data()};
    float* outs[2] = {a.data(), b.data()};
    AudioBusBuffers inBus{2, 3, {ins}}, outBus{2, 0, {outs}};
    ProcessData data{};
    data.numSamples = 256;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &inBus;
    data.outputs = &outBus;
    ASSERT_EQ(flagged.processor->process(&data), kResultOk);
    zeros.process(silence.data(), silence.data(), c.data(), d.data(), 256);
    EXPECT_EQ(a, c);
    EXPECT_EQ(b, c);
    EXPECT_EQ(outBus.silenceFlags, 0u);
    inBus.silenceFlags = 0;
    ASSERT_EQ(flagged.processor->process(&data), kResultOk);
    EXPECT_NE(a, c);
}

// What only VST 3's streams have; the state's bytes, values and sound
// through a fresh instance, and damaged states, are held to the same rules
// as every format's in the route suite.
TEST(Vst3State, OneBytePerCallAndAStreamLongerThanTheState) {
    Plugin first, second;
    first.set(kOutput, -6.0);
    MemoryStream counted({}, 1);
    ASSERT_EQ(first.component->getState(&counted), kResultOk);
    ASSERT_EQ(counted.bytes.size(), 260u);
    EXPECT_EQ(counted.calls, 260);
    // A stream holding more than the state is refused, and left where our
    // own bytes end.
    std::vector<uint8_t> longer = counted.bytes;
    longer.push_back(0);
    MemoryStream window(longer, 1);
    EXPECT_EQ(second.component->setState(&window), kResultFalse);
    EXPECT_EQ(window.position, 260u);
    EXPECT_EQ(second.component->setState(nullptr), kInvalidArgument);
}

} // namespace
} // namespace gravelo::test::vst3
