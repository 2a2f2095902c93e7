// The host-side scenarios: identity, dispatcher answers, parameters, the
// state chunk and audio through both precisions.
#include "AudioScenario.h"
#include "Check.h"
#include "PluginLibrary.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

constexpr VstInt32 kUniqueId = 'G' << 24 | 'R' << 16 | 'V' << 8 | '1';

struct Instance {
    explicit Instance(const PluginLibrary& library, const char* entry = "VSTPluginMain")
        : effect(library.create(entry)) {}
    ~Instance() { PluginLibrary::destroy(effect); }
    AEffect* effect;
};

std::string text(AEffect* effect, VstInt32 opcode, VstInt32 index = 0) {
    char buffer[256] = {};
    effect->dispatcher(effect, opcode, index, 0, buffer, 0.0f);
    return buffer;
}

void identity(const PluginLibrary& library) {
    for (const char* entry : {"VSTPluginMain", "main", "MAIN"}) {
        Instance plugin(library, entry);
        AEffect* e = plugin.effect;
        check(e != nullptr, std::string("entry ") + entry + " gave no record");
        check(e->magic == kEffectMagic, "magic");
        check(e->flags == 0x1031, "flags " + std::to_string(e->flags));
        check(e->numInputs == 2 && e->numOutputs == 2, "channel counts");
        check(e->uniqueID == kUniqueId, "unique identifier");
        check(e->numParams == 9 && e->numPrograms == 1, "parameter and program counts");
    }
}

void dispatcherAnswers(const PluginLibrary& library) {
    Instance plugin(library);
    AEffect* e = plugin.effect;
    check(text(e, effGetEffectName) == "Gravelo I",
          "effect name '" + text(e, effGetEffectName) + "'");
    check(text(e, effGetProductString) == "Gravelo", "product");
    check(text(e, effGetVendorString) == "Morvane", "vendor");
    check(e->dispatcher(e, effGetVendorVersion, 0, 0, nullptr, 0.0f) == 1000, "vendor version");
    check(e->dispatcher(e, effGetVstVersion, 0, 0, nullptr, 0.0f) == 2400, "interface version");
    char canDo[] = "receiveVstMidiEvent";
    check(e->dispatcher(e, effCanDo, 0, 0, canDo, 0.0f) == 1, "receiveVstMidiEvent");
}

void parameters(const PluginLibrary& library) {
    Instance plugin(library);
    AEffect* e = plugin.effect;
    e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
    for (VstInt32 i = 0; i < e->numParams; ++i)
        check(!text(e, effGetParamName, i).empty(), "a name for each");
    e->setParameter(e, 1, 0.75f); // Output: -20 .. 20 dB
    check(std::fabs(e->getParameter(e, 1) - 0.75f) < 1e-6f, "Output reads back");
    check(text(e, effGetParamDisplay, 1) == "10.00",
          "Output shows '" + text(e, effGetParamDisplay, 1) + "'");
}

void chunkRoundTrip(const PluginLibrary& library) {
    Instance first(library), second(library);
    AEffect* a = first.effect;
    AEffect* b = second.effect;
    a->dispatcher(a, effOpen, 0, 0, nullptr, 0.0f);
    b->dispatcher(b, effOpen, 0, 0, nullptr, 0.0f);
    for (VstInt32 i = 0; i < a->numParams; ++i)
        a->setParameter(a, i, 0.1f * float(i % 7) + 0.05f);
    void* data = nullptr;
    const VstIntPtr size = a->dispatcher(a, effGetChunk, 0, 0, &data, 0.0f);
    check(size == 260 && data != nullptr, "chunk of 260 bytes, got " + std::to_string(size));
    float marker = 0;
    std::memcpy(&marker, data, sizeof marker);
    check(marker == -1000.0f, "chunk starts with the marker");
    check(b->dispatcher(b, effSetChunk, 0, size, data, 0.0f) == size, "chunk accepted");
    for (VstInt32 i = 0; i < a->numParams; ++i)
        check(text(a, effGetParamDisplay, i) == text(b, effGetParamDisplay, i),
              "parameter " + std::to_string(i));
}

void audioBothPrecisions(const PluginLibrary& library, const std::string& outPath) {
    const std::vector<float> input = gravelo::test::scenario::fixedInput();
    Instance single(library), twice(library);
    gravelo::test::scenario::prepare(single.effect);
    gravelo::test::scenario::prepare(twice.effect);
    const std::vector<float> floats = gravelo::test::scenario::renderFloat(single.effect, input);
    const std::vector<double> doubles = gravelo::test::scenario::renderDouble(twice.effect, input);
    check(floats.size() == input.size() && doubles.size() == input.size(), "whole input rendered");
    double peak = 0, worst = 0;
    for (size_t i = 0; i < floats.size(); ++i) {
        check(std::isfinite(floats[i]), "finite output");
        peak = std::max(peak, double(std::fabs(floats[i])));
        worst = std::max(worst, std::fabs(double(floats[i]) - doubles[i]));
    }
    check(peak > 0.01, "output is not silent");
    check(worst <= 1e-5 * std::max(1.0, peak),
          "single and double precision agree, worst " + std::to_string(worst));
    check(outPath.empty() || gravelo::test::scenario::writeFloats(outPath, floats),
          "render written to " + outPath);
    // The settings every build must render to the same bits, for the Linux side.
    for (const gravelo::test::scenario::Setting& setting :
         gravelo::test::scenario::kSettingsToCompare) {
        if (outPath.empty()) break;
        Instance amp(library);
        gravelo::test::scenario::prepare(amp.effect, setting);
        const std::string path = gravelo::test::scenario::settingPath(outPath, setting);
        check(gravelo::test::scenario::writeFloats(
                  path, gravelo::test::scenario::renderFloat(amp.effect, input)),
              "render written to " + path);
    }
    note("peak " + std::to_string(peak) + ", float/double worst " + std::to_string(worst));
}

} // namespace

void addHostCases(std::vector<Case>& cases, const HostOptions& options) {
    auto library = std::make_shared<PluginLibrary>(options.dllPath);
    cases.push_back({"library loads and exports its three entries", [library] {
                         check(library->loaded(), "LoadLibrary failed");
                         for (const char* name : {"VSTPluginMain", "main", "MAIN"})
                             check(library->entry(name) != nullptr,
                                   std::string("no export ") + name);
                     }});
    cases.push_back({"identity through each entry", [library] { identity(*library); }});
    cases.push_back({"dispatcher answers", [library] { dispatcherAnswers(*library); }});
    cases.push_back({"parameters", [library] { parameters(*library); }});
    cases.push_back({"chunk round trip", [library] { chunkRoundTrip(*library); }});
    cases.push_back({"audio through both precisions",
                     [library, options] { audioBothPrecisions(*library, options.audioOut); }});
}
