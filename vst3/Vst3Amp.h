// The VST 3 plug-in object: one amplifier instance behind the component
// (processor) and the edit controller at once, so there is one store of the
// control values (the effect's sliders, through the one control rule) and no
// messages between two halves. Hosts ask the component for the controller
// and find the same object.
//
// Both faces declare setState/getState with the same signature; two small
// classes give them different names, so the component's state is the
// chunk and the controller's is empty.
//
// Threads follow the interface: [main] for the life cycle, buses, state,
// parameter infos and the editor; [audio] for process and setProcessing.
#pragma once

#include "instance/AmpInstance.h"
#include "vst3/ReferenceCount.h"
#include "vst3/Vst3Interface.h"

#include <atomic>
#include <vector>

namespace gravelo::vst3 {

class Vst3View;

class ComponentFace : public api::IComponent {
  public:
    api::tresult VST3_API setState(api::IBStream* state) final { return loadChunk(state); }
    api::tresult VST3_API getState(api::IBStream* state) final { return saveChunk(state); }

  protected:
    virtual api::tresult loadChunk(api::IBStream* state) = 0;
    virtual api::tresult saveChunk(api::IBStream* state) = 0;
};

class ControllerFace : public api::IEditController {
  public:
    // The controller keeps nothing of its own: everything is in the chunk.
    api::tresult VST3_API setState(api::IBStream*) final { return api::kResultOk; }
    api::tresult VST3_API getState(api::IBStream*) final { return api::kResultOk; }
};

class Vst3Amp final : public ComponentFace,
                      public api::IAudioProcessor,
                      public ControllerFace,
                      public api::IProcessContextRequirements {
  public:
    // [any] A new instance with one reference, or null without memory.
    static Vst3Amp* create();

    // ---- FUnknown
    api::tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override;
    uint32_t VST3_API release() override;

    // ---- IPluginBase (both faces): repeatable, and usable again after terminate
    api::tresult VST3_API initialize(api::FUnknown* context) override;
    api::tresult VST3_API terminate() override;

    // ---- IComponent (Vst3Audio.cpp, Vst3State.cpp)
    api::tresult VST3_API getControllerClassId(char classId[16]) override;
    api::tresult VST3_API setIoMode(int32_t mode) override;
    int32_t VST3_API getBusCount(api::MediaType type, api::BusDirection direction) override;
    api::tresult VST3_API getBusInfo(api::MediaType type, api::BusDirection direction,
                                     int32_t index, api::BusInfo* bus) override;
    api::tresult VST3_API getRoutingInfo(api::RoutingInfo* in, api::RoutingInfo* out) override;
    api::tresult VST3_API activateBus(api::MediaType type, api::BusDirection direction,
                                      int32_t index, api::TBool state) override;
    api::tresult VST3_API setActive(api::TBool state) override;

    // ---- IAudioProcessor (Vst3Audio.cpp)
    api::tresult VST3_API setBusArrangements(api::SpeakerArrangement* inputs, int32_t inputCount,
                                             api::SpeakerArrangement* outputs,
                                             int32_t outputCount) override;
    api::tresult VST3_API getBusArrangement(api::BusDirection direction, int32_t index,
                                            api::SpeakerArrangement* arrangement) override;
    api::tresult VST3_API canProcessSampleSize(int32_t symbolicSampleSize) override;
    uint32_t VST3_API getLatencySamples() override { return instance::AmpInstance::kLatencyFrames; }
    api::tresult VST3_API setupProcessing(api::ProcessSetup* setup) override;
    api::tresult VST3_API setProcessing(api::TBool state) override;
    api::tresult VST3_API process(api::ProcessData* data) override;
    uint32_t VST3_API getTailSamples() override;

    // ---- IProcessContextRequirements: no transport information needed
    uint32_t VST3_API getProcessContextRequirements() override { return 0; }

    // ---- IEditController (Vst3Params.cpp, Vst3State.cpp, Vst3View.cpp)
    api::tresult VST3_API setComponentState(api::IBStream* state) override;
    int32_t VST3_API getParameterCount() override;
    api::tresult VST3_API getParameterInfo(int32_t index, api::ParameterInfo* info) override;
    api::tresult VST3_API getParamStringByValue(api::ParamID id, api::ParamValue normalized,
                                                api::String128 text) override;
    api::tresult VST3_API getParamValueByString(api::ParamID id, api::char16* text,
                                                api::ParamValue* normalized) override;
    api::ParamValue VST3_API normalizedParamToPlain(api::ParamID id,
                                                    api::ParamValue normalized) override;
    api::ParamValue VST3_API plainParamToNormalized(api::ParamID id,
                                                    api::ParamValue plain) override;
    api::ParamValue VST3_API getParamNormalized(api::ParamID id) override;
    api::tresult VST3_API setParamNormalized(api::ParamID id, api::ParamValue normalized) override;
    api::tresult VST3_API setComponentHandler(api::IComponentHandler* handler) override;
    api::IPlugView* VST3_API createView(api::FIDString name) override;

    // A control's value in panel units for a normalised host value, as the
    // control rule takes it (the value held for the held value's own
    // normalised value); and back.
    double plainOf(int control, double normalized) const;
    double normalizedOf(int control, double plain) const;

    instance::AmpInstance amp;
    // [main] The host's handler for the editor's gestures; null without one.
    api::IComponentHandler* handler() const { return componentHandler; }
    // [main] The view tells its owner when it goes.
    void viewGone(Vst3View* view);

  private:
    Vst3Amp() = default;
    ~Vst3Amp();

    api::tresult loadChunk(api::IBStream* state) override;
    api::tresult saveChunk(api::IBStream* state) override;

    ReferenceCount references;
    bool initialized = false;
    bool setUp = false;
    int32_t sampleSize = api::kSample32;
    double setupRate = 0.0;
    uint32_t setupMaxBlock = 0;
    // The arrangements last taken, stereo both ways until a host asks
    // otherwise. Atomic: some hosts ask from their audio thread.
    std::atomic<api::SpeakerArrangement> inputArrangement{api::kStereo};
    std::atomic<api::SpeakerArrangement> outputArrangement{api::kStereo};
    // Silence the amplifier reads in place of an input flagged silent.
    std::vector<float> silence32;
    std::vector<double> silence64;
    api::IComponentHandler* componentHandler = nullptr;
    Vst3View* view = nullptr;
};

} // namespace gravelo::vst3
