#include "CVeST.h"

#include <cstring>

CVeST* CVeST::create(TVobrix* runtime, const VeSTCallbacks& callbacks,
                     audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams) {
    if (audioMaster == nullptr ||
        audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0)
        return nullptr;
    return new CVeST(runtime, callbacks, audioMaster, numPrograms, numParams);
}

CVeST::CVeST(TVobrix* runtimeObject, const VeSTCallbacks& table, audioMasterCallback hostCallback,
             VstInt32 programCount, VstInt32 parameterCount)
    : AudioEffectX(hostCallback, programCount, parameterCount), runtime(runtimeObject),
      callbacks(table) {
    midiRing.assign(kMidiRingSize, VstMidiEvent{});
    canProcessReplacing(true);
    canDoubleReplacing(true);
    if (callbacks.onCreate != nullptr) callbacks.onCreate(this);
}

CVeST::~CVeST() {
    canvas.fonts().release();
    if (callbacks.onDestroy != nullptr) callbacks.onDestroy(this);
    runtime = nullptr;
    midiRing = {};
    // AudioEffect's destructor then destroys the editor.
}

void CVeST::open() {
    if (callbacks.onOpen != nullptr) callbacks.onOpen(this);
}

void CVeST::close() {
    if (callbacks.onClose != nullptr) callbacks.onClose(this);
}

void CVeST::suspend() {
    if (callbacks.onSuspend != nullptr) callbacks.onSuspend(this);
}

void CVeST::resume() {
    AudioEffectX::resume();
    if (callbacks.onResume != nullptr) callbacks.onResume(this);
}

void CVeST::processReplacing(float** inputs, float** outputs, VstInt32 frames) {
    if (callbacks.processReplacing != nullptr)
        callbacks.processReplacing(this, inputs, outputs, frames);
}

void CVeST::processDoubleReplacing(double** inputs, double** outputs, VstInt32 frames) {
    if (callbacks.processDoubleReplacing != nullptr)
        callbacks.processDoubleReplacing(this, inputs, outputs, frames);
}

void CVeST::setParameter(VstInt32 index, float value) {
    if (callbacks.setParameter != nullptr)
        callbacks.setParameter(this, index, static_cast<double>(value));
}

float CVeST::getParameter(VstInt32 index) {
    return callbacks.getParameter != nullptr
               ? static_cast<float>(callbacks.getParameter(this, index))
               : 0.0f;
}

void CVeST::setProgramName(char* name) {
    if (callbacks.setProgramName != nullptr) callbacks.setProgramName(this, name);
}

void CVeST::getProgramName(char* name) {
    if (callbacks.getProgramName != nullptr) callbacks.getProgramName(this, name);
}

void CVeST::getParameterLabel(VstInt32 index, char* label) {
    if (callbacks.getParameterLabel != nullptr) callbacks.getParameterLabel(this, index, label);
}

void CVeST::getParameterDisplay(VstInt32 index, char* text) {
    if (callbacks.getParameterDisplay != nullptr) callbacks.getParameterDisplay(this, index, text);
}

void CVeST::getParameterName(VstInt32 index, char* text) {
    if (callbacks.getParameterName != nullptr) callbacks.getParameterName(this, index, text);
}

VstInt32 CVeST::getChunk(void** data, bool isPreset) {
    return callbacks.getChunk != nullptr ? callbacks.getChunk(this, data, isPreset) : 0;
}

VstInt32 CVeST::setChunk(void* data, VstInt32 byteSize, bool isPreset) {
    return callbacks.setChunk != nullptr ? callbacks.setChunk(this, data, byteSize, isPreset) : 0;
}

bool CVeST::getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) {
    return callbacks.getProgramNameIndexed != nullptr &&
           callbacks.getProgramNameIndexed(this, category, index, text) != 0;
}

VstInt32 CVeST::processEvents(VstEvents* events) {
    if (events == nullptr) return 1;
    // The record declares two entries but hosts append numEvents of them;
    // indexing the declared array past 2 is undefined, the decayed pointer is not.
    VstEvent* const* list = events->events;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = list[i];
        if (event == nullptr || event->type != kVstMidiType) continue;
        VstMidiEvent& slot = midiRing[static_cast<size_t>(midiWriteIndex)];
        std::memcpy(&slot, event, sizeof slot);
        slot.type = kVstMidiType;
        midiWriteIndex = (midiWriteIndex + 1) % static_cast<VstInt32>(kMidiRingSize);
    }
    return 1;
}

bool CVeST::readMidiEvent(int32_t& delta, int32_t& status, int32_t& data1, int32_t& data2) {
    if (midiReadIndex == midiWriteIndex) {
        delta = status = data1 = data2 = 0;
        return false;
    }
    const VstMidiEvent& event = midiRing[static_cast<size_t>(midiReadIndex)];
    delta = event.deltaFrames;
    status = static_cast<unsigned char>(event.midiData[0]);
    data1 = static_cast<unsigned char>(event.midiData[1]);
    data2 = static_cast<unsigned char>(event.midiData[2]);
    midiReadIndex = (midiReadIndex + 1) % static_cast<VstInt32>(kMidiRingSize);
    return true;
}

bool CVeST::getEffectName(char* name) {
    return callbacks.getEffectName != nullptr && callbacks.getEffectName(this, name) != 0;
}

bool CVeST::getVendorString(char* text) {
    return callbacks.getVendorString != nullptr && callbacks.getVendorString(this, text) != 0;
}

bool CVeST::getProductString(char* text) {
    return callbacks.getProductString != nullptr && callbacks.getProductString(this, text) != 0;
}

VstInt32 CVeST::getVendorVersion() {
    return callbacks.getVendorVersion != nullptr ? callbacks.getVendorVersion(this) : 0;
}

VstInt32 CVeST::canDo(char* text) {
    return text != nullptr && std::strcmp(text, "receiveVstMidiEvent") == 0 ? 1 : -1;
}
