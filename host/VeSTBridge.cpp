#include "VeSTBridge.h"

#include "AudioEntries.h"
#include "CVeST.h"
#include "ParameterEntries.h"
#include "VeSTServices.h"
#include "runtime/TVobrix.h"

#include <algorithm>

namespace {

TVobrix* runtimeOf(CVeST* shell) {
    return shell != nullptr ? shell->runtime : nullptr;
}

void raiseRedrawRate(TVobrix& runtime) {
    const double rate = runtime.gfxRate;
    if (rate < 30.0) runtime.gfxRate = 30.0; // a NaN compares false and stays NaN
}

void onCreate(CVeST* shell) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return;
    VeSTSetNumInputs(shell, runtime->channelCount);
    VeSTSetNumOutputs(shell, runtime->channelCount);
    VeSTSetUniqueID(shell, static_cast<VstInt32>(runtime->uniqueId));
    VeSTCreateEditor(shell, 600, 284);
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
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return;
    runtime->mouseX = runtime->mousePressX = x;
    runtime->mouseY = runtime->mousePressY = y;
    runtime->mouseButtons = mouseButtonsFromButtonState(buttons);
    raiseRedrawRate(*runtime);
}

void onMouseUp(CVeST* shell, double x, double y, VstInt32 /*buttons*/) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return;
    runtime->mouseX = x;
    runtime->mouseY = y;
    runtime->mouseButtons = 0.0;
    raiseRedrawRate(*runtime);
}

void onMouseMoved(CVeST* shell, double x, double y, VstInt32 /*buttons*/) {
    TVobrix* runtime = runtimeOf(shell);
    if (runtime == nullptr) return;
    runtime->mouseX = x;
    runtime->mouseY = y;
    raiseRedrawRate(*runtime);
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

VstInt32 getChunk(CVeST* shell, void** data, bool isPreset) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? runtime->getState(data, isPreset) : 0;
}

VstInt32 setChunk(CVeST* shell, void* data, VstInt32 byteSize, bool isPreset) {
    TVobrix* runtime = runtimeOf(shell);
    return runtime != nullptr ? runtime->setState(data, byteSize, isPreset) : 0;
}

} // namespace

double mouseButtonsFromButtonState(VstInt32 buttons) {
    static constexpr struct {
        VstInt32 from;
        int to;
    } kMapping[] = {{2, 1}, {8, 2}, {32, 4}, {16, 8}, {64, 16}, {4, 64}};
    int word = 0;
    for (const auto& bit : kMapping)
        if ((buttons & bit.from) != 0) word |= bit.to;
    return static_cast<double>(word);
}

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
    table.getParameter = parameterEntries::getParameter;
    table.setParameter = parameterEntries::setParameter;
    table.getParameterName = parameterEntries::getParameterName;
    table.getParameterLabel = parameterEntries::getParameterLabel;
    table.getParameterDisplay = parameterEntries::getParameterDisplay;
    table.processReplacing = audioEntries::processReplacing;
    table.processDoubleReplacing = audioEntries::processDoubleReplacing;
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
