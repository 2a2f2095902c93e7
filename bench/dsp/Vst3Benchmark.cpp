// The VST 3 library of Gravelo.vst3, loaded as Linux hosts load it, at the
// same settings, block size and bass note as the VST 2.x plug-in and the LV2
// binary beside it: the shells should cost the same.
#include "BenchSignal.h"
#include "vst3/Vst3Identity.h"
#include "vst3/Vst3Interface.h"

#include <array>
#include <dlfcn.h>
#include <stdexcept>

namespace {

using namespace gravelo::vst3::api;

class Vst3Instance {
  public:
    explicit Vst3Instance(const double (&sliders)[10]) : library(dlopen(GRAVELO_VST3, RTLD_NOW)) {
        auto entry = library != nullptr
                         ? reinterpret_cast<ModuleEntryProc>(dlsym(library, "ModuleEntry"))
                         : nullptr;
        auto getFactory = library != nullptr
                              ? reinterpret_cast<GetFactoryProc>(dlsym(library, "GetPluginFactory"))
                              : nullptr;
        void* object = nullptr;
        if (entry == nullptr || getFactory == nullptr || !entry(library) ||
            getFactory()->createInstance(gravelo::vst3::kClassId.bytes, iid::IComponent.bytes,
                                         &object) != kResultOk)
            throw std::runtime_error("the VST 3 plug-in did not load");
        component = static_cast<IComponent*>(object);
        component->initialize(nullptr);
        component->queryInterface(iid::IAudioProcessor.bytes, &object);
        processor = static_cast<IAudioProcessor*>(object);
        component->queryInterface(iid::IEditController.bytes, &object);
        controller = static_cast<IEditController*>(object);
        for (ParamID c = 0; c < 9; ++c)
            controller->setParamNormalized(c,
                                           controller->plainParamToNormalized(c, sliders[c + 1]));
        ProcessSetup setup{0, kSample32, kBlock, kRate};
        processor->setupProcessing(&setup);
        component->setActive(1);
        processor->setProcessing(1);
        inputs = {in.data(), in.data()};
        outputs = {outLeft.data(), outRight.data()};
        inBus.numChannels = outBus.numChannels = 2;
        inBus.channelBuffers32 = inputs.data();
        outBus.channelBuffers32 = outputs.data();
        data.numSamples = kBlock;
        data.numInputs = data.numOutputs = 1;
        data.inputs = &inBus;
        data.outputs = &outBus;
    }
    ~Vst3Instance() {
        processor->setProcessing(0);
        component->setActive(0);
        controller->release();
        processor->release();
        component->terminate();
        component->release();
        reinterpret_cast<ModuleExitProc>(dlsym(library, "ModuleExit"))();
        dlclose(library);
    }
    void run() { processor->process(&data); }

    std::array<float, kBlock> in{}, outLeft{}, outRight{};

  private:
    void* library;
    IComponent* component = nullptr;
    IAudioProcessor* processor = nullptr;
    IEditController* controller = nullptr;
    std::array<float*, 2> inputs{}, outputs{};
    AudioBusBuffers inBus{}, outBus{};
    ProcessData data{};
};

void processVst3(benchmark::State& state, const double (&sliders)[10]) {
    Vst3Instance instance(sliders);
    playBassNote(state, instance);
}

void Vst3PluginDefault(benchmark::State& s) {
    processVst3(s, kDefault);
}
void Vst3PluginWorstCase(benchmark::State& s) {
    processVst3(s, kWorstCase);
}

} // namespace

BENCHMARK(Vst3PluginDefault);
BENCHMARK(Vst3PluginWorstCase);
