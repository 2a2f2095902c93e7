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

#include <vector>

namespace vst3shell {

class Vst3View;

class ComponentFace : public vst3::IComponent {
  public:
    vst3::tresult VST3_API setState(vst3::IBStream* state) final { return loadChunk(state); }
    vst3::tresult VST3_API getState(vst3::IBStream* state) final { return saveChunk(state); }

  protected:
    virtual vst3::tresult loadChunk(vst3::IBStream* state) = 0;
    virtual vst3::tresult saveChunk(vst3::IBStream* state) = 0;
};

class ControllerFace : public vst3::IEditController {
  public:
    // The controller keeps nothing of its own: everything is in the chunk.
    vst3::tresult VST3_API setState(vst3::IBStream*) final { return vst3::kResultOk; }
    vst3::tresult VST3_API getState(vst3::IBStream*) final { return vst3::kResultOk; }
};

class Vst3Amp final : public ComponentFace,
                      public vst3::IAudioProcessor,
                      public ControllerFace,
                      public vst3::IProcessContextRequirements {
  public:
    // [any] A new instance with one reference, or null without memory.
    static Vst3Amp* create();

    // ---- FUnknown
    vst3::tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override;
    uint32_t VST3_API release() override;

    // ---- IPluginBase (both faces): repeatable, and usable again after terminate
    vst3::tresult VST3_API initialize(vst3::FUnknown* context) override;
    vst3::tresult VST3_API terminate() override;

    // ---- IComponent (Vst3Audio.cpp, Vst3State.cpp)
    vst3::tresult VST3_API getControllerClassId(char classId[16]) override;
    vst3::tresult VST3_API setIoMode(int32_t mode) override;
    int32_t VST3_API getBusCount(vst3::MediaType type, vst3::BusDirection direction) override;
    vst3::tresult VST3_API getBusInfo(vst3::MediaType type, vst3::BusDirection direction,
                                      int32_t index, vst3::BusInfo* bus) override;
    vst3::tresult VST3_API getRoutingInfo(vst3::RoutingInfo* in, vst3::RoutingInfo* out) override;
    vst3::tresult VST3_API activateBus(vst3::MediaType type, vst3::BusDirection direction,
                                       int32_t index, vst3::TBool state) override;
    vst3::tresult VST3_API setActive(vst3::TBool state) override;

    // ---- IAudioProcessor (Vst3Audio.cpp)
    vst3::tresult VST3_API setBusArrangements(vst3::SpeakerArrangement* inputs, int32_t inputCount,
                                              vst3::SpeakerArrangement* outputs,
                                              int32_t outputCount) override;
    vst3::tresult VST3_API getBusArrangement(vst3::BusDirection direction, int32_t index,
                                             vst3::SpeakerArrangement* arrangement) override;
    vst3::tresult VST3_API canProcessSampleSize(int32_t symbolicSampleSize) override;
    uint32_t VST3_API getLatencySamples() override { return 0; }
    vst3::tresult VST3_API setupProcessing(vst3::ProcessSetup* setup) override;
    vst3::tresult VST3_API setProcessing(vst3::TBool state) override;
    vst3::tresult VST3_API process(vst3::ProcessData* data) override;
    uint32_t VST3_API getTailSamples() override;

    // ---- IProcessContextRequirements: no transport information needed
    uint32_t VST3_API getProcessContextRequirements() override { return 0; }

    // ---- IEditController (Vst3Params.cpp, Vst3State.cpp, Vst3View.cpp)
    vst3::tresult VST3_API setComponentState(vst3::IBStream* state) override;
    int32_t VST3_API getParameterCount() override;
    vst3::tresult VST3_API getParameterInfo(int32_t index, vst3::ParameterInfo* info) override;
    vst3::tresult VST3_API getParamStringByValue(vst3::ParamID id, vst3::ParamValue normalized,
                                                 vst3::String128 text) override;
    vst3::tresult VST3_API getParamValueByString(vst3::ParamID id, vst3::char16* text,
                                                 vst3::ParamValue* normalized) override;
    vst3::ParamValue VST3_API normalizedParamToPlain(vst3::ParamID id,
                                                     vst3::ParamValue normalized) override;
    vst3::ParamValue VST3_API plainParamToNormalized(vst3::ParamID id,
                                                     vst3::ParamValue plain) override;
    vst3::ParamValue VST3_API getParamNormalized(vst3::ParamID id) override;
    vst3::tresult VST3_API setParamNormalized(vst3::ParamID id,
                                              vst3::ParamValue normalized) override;
    vst3::tresult VST3_API setComponentHandler(vst3::IComponentHandler* handler) override;
    vst3::IPlugView* VST3_API createView(vst3::FIDString name) override;

    // A control's value in panel units for a normalised host value, by the
    // control rule's range (before its snap); and back.
    double plainOf(int control, double normalized) const;
    double normalizedOf(int control, double plain) const;

    gravelo::instance::AmpInstance amp;
    // [main] The host's handler for the editor's gestures; null without one.
    vst3::IComponentHandler* handler() const { return componentHandler; }
    // [main] The view tells its owner when it goes.
    void viewGone(Vst3View* view);

  private:
    Vst3Amp() = default;
    ~Vst3Amp();

    vst3::tresult loadChunk(vst3::IBStream* state) override;
    vst3::tresult saveChunk(vst3::IBStream* state) override;

    ReferenceCount references;
    bool initialized = false;
    bool setUp = false;
    int32_t sampleSize = vst3::kSample32;
    double setupRate = 0.0;
    uint32_t setupMaxBlock = 0;
    // Silence the amplifier reads in place of an input flagged silent.
    std::vector<float> silence32;
    std::vector<double> silence64;
    vst3::IComponentHandler* componentHandler = nullptr;
    Vst3View* view = nullptr;
};

} // namespace vst3shell
