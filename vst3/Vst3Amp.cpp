// The object's life cycle and its faces: reference counting, the interfaces
// it answers, the state diagram's initialize/terminate, the host's handler
// and the editor view.
#include "vst3/Vst3Amp.h"

#include "vst3/Vst3View.h"

#include <new>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

Vst3Amp* Vst3Amp::create() {
    return new (std::nothrow) Vst3Amp();
}

Vst3Amp::~Vst3Amp() {
    terminate();
}

tresult VST3_API Vst3Amp::queryInterface(const char* iid, void** object) {
    if (object == nullptr) return kInvalidArgument;
    void* face = nullptr;
    if (sameUid(iid, iid::FUnknown) || sameUid(iid, iid::IPluginBase) ||
        sameUid(iid, iid::IComponent))
        face = static_cast<IComponent*>(this);
    else if (sameUid(iid, iid::IAudioProcessor))
        face = static_cast<IAudioProcessor*>(this);
    else if (sameUid(iid, iid::IEditController))
        face = static_cast<IEditController*>(this);
    else if (sameUid(iid, iid::IProcessContextRequirements))
        face = static_cast<IProcessContextRequirements*>(this);
    *object = face;
    if (face == nullptr) return kNoInterface;
    addRef();
    return kResultOk;
}

uint32_t VST3_API Vst3Amp::addRef() {
    return references.add();
}

uint32_t VST3_API Vst3Amp::release() {
    const uint32_t left = references.drop();
    if (left == 0) delete this;
    return left;
}

// Hosts call it on the component and again on the controller, which is the
// same object: the second call keeps everything.
tresult VST3_API Vst3Amp::initialize(FUnknown* /*context*/) {
    initialized = true;
    return kResultOk;
}

tresult VST3_API Vst3Amp::terminate() {
    if (amp.active()) amp.deactivate();
    setComponentHandler(nullptr);
    initialized = false;
    return kResultOk;
}

tresult VST3_API Vst3Amp::setComponentHandler(IComponentHandler* handler) {
    if (handler == componentHandler) return kResultOk;
    if (handler != nullptr) handler->addRef();
    if (componentHandler != nullptr) componentHandler->release();
    componentHandler = handler;
    return kResultOk;
}

IPlugView* VST3_API Vst3Amp::createView(FIDString name) {
    if (name == nullptr || std::strcmp(name, kEditorView) != 0 || view != nullptr) return nullptr;
    view = Vst3View::create(*this);
    return view;
}

void Vst3Amp::viewGone(Vst3View* gone) {
    if (gone == view) view = nullptr;
}

} // namespace gravelo::vst3
