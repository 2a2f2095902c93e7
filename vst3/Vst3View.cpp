#include "vst3/Vst3View.h"

#include "vst3/Vst3Amp.h"

#include <cstring>
#include <new>

namespace gravelo::vst3 {

using namespace gravelo::vst3::api;

Vst3View* Vst3View::create(Vst3Amp& owner) {
    return new (std::nothrow) Vst3View(owner);
}

Vst3View::Vst3View(Vst3Amp& amp) : owner(amp), window(amp.amp, *this) {
    owner.addRef();
}

Vst3View::~Vst3View() {
    removed();
    setFrame(nullptr);
    owner.viewGone(this);
    owner.release();
}

tresult VST3_API Vst3View::queryInterface(const char* iid, void** object) {
    if (object == nullptr) return kInvalidArgument;
    void* face = nullptr;
    if (sameUid(iid, iid::FUnknown) || sameUid(iid, iid::IPlugView))
        face = static_cast<IPlugView*>(this);
    else if (sameUid(iid, iid::IPlugViewContentScaleSupport))
        face = static_cast<IPlugViewContentScaleSupport*>(this);
#if !defined(_WIN32)
    else if (sameUid(iid, iid::IEventHandler))
        face = static_cast<IEventHandler*>(this);
    else if (sameUid(iid, iid::ITimerHandler))
        face = static_cast<ITimerHandler*>(this);
#endif
    *object = face;
    if (face == nullptr) return kNoInterface;
    addRef();
    return kResultOk;
}

uint32_t VST3_API Vst3View::addRef() {
    return references.add();
}

uint32_t VST3_API Vst3View::release() {
    const uint32_t left = references.drop();
    if (left == 0) delete this;
    return left;
}

tresult VST3_API Vst3View::isPlatformTypeSupported(FIDString type) {
    return type != nullptr && std::strcmp(type, platformType()) == 0 ? kResultTrue : kResultFalse;
}

tresult VST3_API Vst3View::attached(void* parent, FIDString type) {
    if (parent == nullptr || isPlatformTypeSupported(type) != kResultTrue || window.isOpen())
        return kResultFalse;
    if (!window.open(parent)) return kResultFalse;
    if (!startTicks()) {
        window.close();
        return kResultFalse;
    }
    return kResultOk;
}

// The parent may be gone already: the window is closed all the same.
tresult VST3_API Vst3View::removed() {
    stopTicks();
    window.close();
    return kResultOk;
}

ViewRect Vst3View::windowRect() const {
    return ViewRect{0, 0, window.windowWidth(), window.windowHeight()};
}

tresult VST3_API Vst3View::getSize(ViewRect* size) {
    if (size == nullptr) return kInvalidArgument;
    *size = windowRect();
    return kResultOk;
}

tresult VST3_API Vst3View::onSize(ViewRect* size) {
    if (size == nullptr) return kInvalidArgument;
    const ViewRect fixed = windowRect();
    return size->right - size->left == fixed.right && size->bottom - size->top == fixed.bottom
               ? kResultOk
               : kResultFalse;
}

tresult VST3_API Vst3View::checkSizeConstraint(ViewRect* rect) {
    if (rect == nullptr) return kInvalidArgument;
    const ViewRect fixed = windowRect();
    rect->right = rect->left + fixed.right;
    rect->bottom = rect->top + fixed.bottom;
    return kResultOk;
}

tresult VST3_API Vst3View::setContentScaleFactor(float factor) {
    if (!(factor > 0.0f)) return kResultFalse;
    window.setHostScale(factor);
    return kResultTrue;
}

// The scale changed while attached: the host's window follows through the
// frame (without a frame the next getSize tells the new size).
void Vst3View::panelResized(int, int) {
    ViewRect size = windowRect();
    if (frame != nullptr) frame->resizeView(this, &size);
}

tresult VST3_API Vst3View::setFrame(IPlugFrame* newFrame) {
    if (newFrame == frame) return kResultOk;
    if (newFrame != nullptr) newFrame->addRef();
    if (frame != nullptr) frame->release();
    frame = newFrame;
    return kResultOk;
}

// The panel's gestures go to the host's handler, in panel units turned into
// the host's normalised values.
void Vst3View::panelGestureBegin(int control) {
    if (IComponentHandler* handler = owner.handler())
        handler->beginEdit(static_cast<ParamID>(control));
}

void Vst3View::panelValue(int control, double value) {
    if (IComponentHandler* handler = owner.handler())
        handler->performEdit(static_cast<ParamID>(control), owner.normalizedOf(control, value));
}

void Vst3View::panelGestureEnd(int control) {
    if (IComponentHandler* handler = owner.handler())
        handler->endEdit(static_cast<ParamID>(control));
}

} // namespace gravelo::vst3
