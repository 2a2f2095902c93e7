#include "VeSTBridge.h"

#include "CVeST.h"
#include "runtime/AudioPath.h"
#include "runtime/EditorInput.h"
#include "runtime/HostParameters.h"
#include "runtime/StateChunk.h"
#include "runtime/TVobrix.h"
#include "runtime/VeSTServices.h"

namespace {

TVobrix* runtimeOf(CVeST* shell) {
    return shell != nullptr ? shell->runtime : nullptr;
}

void onCreate(CVeST* shell) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return;
    VeSTSetNumInputs(shell, runtime->channelCount);
    VeSTSetNumOutputs(shell, runtime->channelCount);
    VeSTSetUniqueID(shell, static_cast<VstInt32>(runtime->uniqueId));
    if (runtime->editorWidth > 0 && runtime->editorHeight > 0)
        VeSTCreateEditor(shell, runtime->editorWidth, runtime->editorHeight);
    VeSTProgramsAreChunks(shell, 1);
}

void onDestroy(CVeST* shell) {
    if (shell != nullptr) {
        delete shell->runtime;
        shell->runtime = nullptr;
    }
}

void onOpen(CVeST* shell) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doOpen();
}

void onSuspend(CVeST* shell) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doSuspend();
}

void onResume(CVeST* shell) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doResume();
}

void onEditorIdle(CVeST* shell) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doIdle();
}

void onClose(CVeST* shell) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doClose();
}

void onDraw(CVeST* shell, double /*width*/, double /*height*/) {
    if (TVobrix* runtime = runtimeOf(shell)) runtime->doGraphics();
}

void onMouseDown(CVeST* shell, double x, double y, VstInt32 buttons) {
    if (TVobrix* runtime = runtimeOf(shell)) gravelo::runtime::mouseDown(*runtime, x, y, buttons);
}

void onMouseUp(CVeST* shell, double x, double y, VstInt32 /*buttons*/) {
    if (TVobrix* runtime = runtimeOf(shell)) gravelo::runtime::mouseUp(*runtime, x, y);
}

void onMouseMoved(CVeST* shell, double x, double y, VstInt32 /*buttons*/) {
    if (TVobrix* runtime = runtimeOf(shell)) gravelo::runtime::mouseMoved(*runtime, x, y);
}

VstInt32 getVendorVersion(CVeST* shell) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? runtime->vendorVersion : 0;
}

VstInt32 copyDescription(CVeST* shell, char* text, std::string TVobrix::*field, size_t capacity) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return 0;
    copyHostString(text, ((*runtime).*field).c_str(), capacity);
    return 1;
}

VstInt32 getVendorString(CVeST* shell, char* text) {
    return copyDescription(shell, text, &TVobrix::vendorString, kVstMaxVendorStrLen);
}

VstInt32 getProductString(CVeST* shell, char* text) {
    return copyDescription(shell, text, &TVobrix::productString, kVstMaxProductStrLen);
}

VstInt32 getEffectName(CVeST* shell, char* text) {
    return copyDescription(shell, text, &TVobrix::effectName, kVstMaxEffectNameLen);
}

void getProgramName(CVeST* shell, char* text) {
    copyDescription(shell, text, &TVobrix::programName, kVstMaxProgNameLen);
}

void setProgramName(CVeST* shell, const char* text) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime != nullptr && text != nullptr) runtime->programName = text;
}

VstInt32 getProgramNameIndexed(CVeST*, VstInt32, VstInt32, char*) {
    return 0;
}

// Hosts give parameter text buffers of at least this size in practice.
constexpr size_t kParameterTextCapacity = 24;

double getParameter(CVeST* shell, VstInt32 index) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? gravelo::runtime::parameterValue(*runtime, index) : 0.0;
}

void setParameter(CVeST* shell, VstInt32 index, double value) {
    if (TVobrix* runtime = runtimeOf(shell))
        gravelo::runtime::setParameterValue(*runtime, index, value);
}

// The slider record behind parameter `index`; null for an unknown index,
// which leaves the host's text buffer untouched.
const SliderInfo* recordOf(CVeST* shell, VstInt32 index) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? gravelo::runtime::parameterRecord(*runtime, index) : nullptr;
}

void getParameterName(CVeST* shell, VstInt32 index, char* text) {
    if (const SliderInfo* info = recordOf(shell, index))
        copyHostString(text, info->name.c_str(), kParameterTextCapacity);
}

void getParameterLabel(CVeST* shell, VstInt32 index, char* text) {
    if (const SliderInfo* info = recordOf(shell, index))
        copyHostString(text, info->label.c_str(), kParameterTextCapacity);
}

void getParameterDisplay(CVeST* shell, VstInt32 index, char* text) {
    if (recordOf(shell, index) != nullptr)
        copyHostString(text, gravelo::runtime::parameterDisplay(*shell->runtime, index).c_str(),
                       kParameterTextCapacity);
}

template <class Sample>
void process(CVeST* shell, Sample** inputs, Sample** outputs, VstInt32 frames) {
    if (TVobrix* runtime = runtimeOf(shell))
        gravelo::runtime::processAudio(*runtime, inputs, outputs, frames, VeSTGetNumInputs(shell));
}

void processReplacing(CVeST* shell, float** inputs, float** outputs, VstInt32 frames) {
    process(shell, inputs, outputs, frames);
}

void processDoubleReplacing(CVeST* shell, double** inputs, double** outputs, VstInt32 frames) {
    process(shell, inputs, outputs, frames);
}

VstInt32 getChunk(CVeST* shell, void** data, bool isPreset) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? runtime->getState(data, isPreset) : 0;
}

// The one state rule, in the mode VST 2.x hosts rely on; the answer is the
// size given, whatever the chunk held.
VstInt32 setChunk(CVeST* shell, void* data, VstInt32 byteSize, bool /*isPreset*/) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return 0;
    gravelo::runtime::loadState(*runtime, data, byteSize > 0 ? static_cast<size_t>(byteSize) : 0,
                                gravelo::runtime::StateCheck::Lenient);
    return byteSize;
}

} // namespace

VeSTCallbacks makeVeSTCallbacks() {
    VeSTCallbacks table{};
    table.onCreate = onCreate;
    table.onDestroy = onDestroy;
    table.onOpen = onOpen;
    table.onSuspend = onSuspend;
    table.onResume = onResume;
    table.onEditorIdle = onEditorIdle;
    table.onClose = onClose;
    table.onDraw = onDraw;
    table.onMouseDown = onMouseDown;
    table.onMouseUp = onMouseUp;
    table.onMouseMoved = onMouseMoved;
    table.onKeyDown = nullptr; // keys do nothing in this plug-in
    table.onKeyUp = nullptr;
    table.getVendorVersion = getVendorVersion;
    table.getVendorString = getVendorString;
    table.getProductString = getProductString;
    table.getEffectName = getEffectName;
    table.getProgramName = getProgramName;
    table.setProgramName = setProgramName;
    table.getProgramNameIndexed = getProgramNameIndexed;
    table.getParameter = getParameter;
    table.setParameter = setParameter;
    table.getParameterName = getParameterName;
    table.getParameterLabel = getParameterLabel;
    table.getParameterDisplay = getParameterDisplay;
    table.processReplacing = processReplacing;
    table.processDoubleReplacing = processDoubleReplacing;
    table.getChunk = getChunk;
    table.setChunk = setChunk;
    return table;
}

AEffect* createPlugin(TVobrix* runtime, audioMasterCallback audioMaster) {
    const VeSTCallbacks callbacks = makeVeSTCallbacks();
    CVeST* shell = CVeST::create(runtime, callbacks, audioMaster, 1,
                                 static_cast<VstInt32>(runtime->sliderInfos.size()));
    if (shell == nullptr) {
        delete runtime; // nobody else will ever own it
        return nullptr;
    }
    runtime->shell = shell;
    return VeSTGetAEffect(shell);
}
