#include "AudioEffect.h"

#include "host/AEffEditor.h"

#include <algorithm>
#include <cstring>

namespace {

AudioEffect* shellOf(AEffect* effect) {
    return effect != nullptr ? static_cast<AudioEffect*>(effect->object) : nullptr;
}

VstIntPtr VSTCALLBACK dispatchRecord(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                     VstIntPtr value, void* ptr, float opt) {
    AudioEffect* shell = shellOf(effect);
    if (shell == nullptr) return 0;
    const VstIntPtr answer = shell->dispatcher(opcode, index, value, ptr, opt);
    if (opcode == effClose) {
        delete shell;
        return 1;
    }
    return answer;
}

void VSTCALLBACK processRecord(AEffect* effect, float** inputs, float** outputs, VstInt32 frames) {
    if (AudioEffect* shell = shellOf(effect)) shell->process(inputs, outputs, frames);
}

void VSTCALLBACK processReplacingRecord(AEffect* effect, float** inputs, float** outputs,
                                        VstInt32 frames) {
    if (AudioEffect* shell = shellOf(effect)) shell->processReplacing(inputs, outputs, frames);
}

void VSTCALLBACK processDoubleRecord(AEffect* effect, double** inputs, double** outputs,
                                     VstInt32 frames) {
    if (AudioEffect* shell = shellOf(effect))
        shell->processDoubleReplacing(inputs, outputs, frames);
}

void VSTCALLBACK setParameterRecord(AEffect* effect, VstInt32 index, float value) {
    if (AudioEffect* shell = shellOf(effect)) shell->setParameter(index, value);
}

float VSTCALLBACK getParameterRecord(AEffect* effect, VstInt32 index) {
    AudioEffect* shell = shellOf(effect);
    return shell != nullptr ? shell->getParameter(index) : 0.0f;
}

} // namespace

void copyHostString(char* destination, const char* text, size_t capacity) {
    if (destination == nullptr || capacity == 0) return;
    if (text == nullptr) text = "";
    const size_t length = std::min(std::strlen(text), capacity - 1);
    std::memcpy(destination, text, length);
    destination[length] = '\0';
}

AudioEffect::AudioEffect(audioMasterCallback master, VstInt32 programs, VstInt32 params)
    : audioMaster(master), numPrograms(programs), numParams(params) {
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchRecord;
    cEffect.process = processRecord;
    cEffect.setParameter = setParameterRecord;
    cEffect.getParameter = getParameterRecord;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = 0x4e6f4566; // 'NoEf' until the effect sets its own
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingRecord;
    cEffect.processDoubleReplacing = processDoubleRecord;
}

AudioEffect::~AudioEffect() {
    delete editor;
}

void AudioEffect::setEditor(AEffEditor* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, editor != nullptr);
}

void AudioEffect::setFlag(VstInt32 flag, bool state) {
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                float opt) {
    return audioMaster != nullptr ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setProgram(VstInt32 program) {
    if (program >= 0 && program < numPrograms) curProgram = program;
}

void AudioEffect::getProgramName(char* name) {
    copyHostString(name, "", kVstMaxProgNameLen);
}
void AudioEffect::getParameterLabel(VstInt32, char* label) {
    copyHostString(label, "", kVstMaxParamStrLen);
}
void AudioEffect::getParameterDisplay(VstInt32, char* text) {
    copyHostString(text, "", kVstMaxParamStrLen);
}
void AudioEffect::getParameterName(VstInt32, char* text) {
    copyHostString(text, "", kVstMaxParamStrLen);
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                  float opt) {
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        if (value < numPrograms) setProgram(static_cast<VstInt32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (ptr != nullptr) setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        if (ptr != nullptr) getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        if (ptr != nullptr) getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        if (ptr != nullptr) getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        if (ptr != nullptr) getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value != 0)
            resume();
        else
            suspend();
        return 0;
    case effEditGetRect:
        return editor != nullptr && ptr != nullptr ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
    case effEditOpen:
        return editor != nullptr ? editor->open(ptr) : 0;
    case effEditClose:
        if (editor != nullptr) editor->close();
        return 0;
    case effEditIdle:
        if (editor != nullptr) editor->idle();
        return 0;
    case effIdentify:
        return kEffectIdentify;
    case effGetChunk:
        return ptr != nullptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}
