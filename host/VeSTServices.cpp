#include "VeSTServices.h"

#include "CVeST.h"
#include "editor/CVeSTEditor.h"

namespace {

const VstTimeInfo* timeInfo(CVeST* shell, VstInt32 mask) {
    return reinterpret_cast<const VstTimeInfo*>(shell->callHost(audioMasterGetTime, 0, mask));
}

VstIntPtr forwardToHost(CVeST* shell, VstInt32 opcode, void* ptr = nullptr) {
    return shell != nullptr ? shell->callHost(opcode, 0, 0, ptr) : 0;
}

} // namespace

AEffect* VeSTGetAEffect(CVeST* shell) {
    return shell != nullptr ? shell->getAeffect() : nullptr;
}
TVobrix* VeSTGetRuntime(CVeST* shell) {
    return shell != nullptr ? shell->runtime : nullptr;
}
VstInt32 VeSTGetNumInputs(CVeST* shell) {
    return shell != nullptr ? shell->getAeffect()->numInputs : 0;
}
VstInt32 VeSTGetNumOutputs(CVeST* shell) {
    return shell != nullptr ? shell->getAeffect()->numOutputs : 0;
}

VstInt32 VeSTSetNumInputs(CVeST* shell, VstInt32 count) {
    if (shell == nullptr) return 0;
    shell->setNumInputs(count);
    return 1;
}

VstInt32 VeSTSetNumOutputs(CVeST* shell, VstInt32 count) {
    if (shell == nullptr) return 0;
    shell->setNumOutputs(count);
    return 1;
}

VstInt32 VeSTSetUniqueID(CVeST* shell, VstInt32 id) {
    if (shell == nullptr) return 0;
    shell->setUniqueID(id);
    return 1;
}

double VeSTGetSampleRate(CVeST* shell) {
    return shell != nullptr ? shell->getSampleRate() : 0.0;
}
VstInt32 VeSTGetBlockSize(CVeST* shell) {
    return shell != nullptr ? shell->getBlockSize() : 0;
}

double VeSTGetTempo(CVeST* shell) {
    const VstTimeInfo* info = shell != nullptr ? timeInfo(shell, kVstTempoValid) : nullptr;
    return info != nullptr ? info->tempo : 0.0;
}

VstInt32 VeSTIsPlaying(CVeST* shell) {
    const VstTimeInfo* info = shell != nullptr ? timeInfo(shell, kVstTransportPlaying) : nullptr;
    return info != nullptr && (info->flags & kVstTransportPlaying) != 0 ? 1 : 0;
}

VstInt32 VeSTIsRecording(CVeST* shell) {
    const VstTimeInfo* info = shell != nullptr ? timeInfo(shell, kVstTransportRecording) : nullptr;
    return info != nullptr && (info->flags & kVstTransportRecording) != 0 ? 1 : 0;
}

double VeSTGetPpqPos(CVeST* shell) {
    const VstTimeInfo* info = shell != nullptr ? timeInfo(shell, kVstPpqPosValid) : nullptr;
    return info != nullptr ? info->ppqPos : 0.0;
}

double VeSTGetBarStartPos(CVeST* shell) {
    const VstTimeInfo* info = shell != nullptr ? timeInfo(shell, kVstBarsValid) : nullptr;
    return info != nullptr ? info->barStartPos : 0.0;
}

VstInt32 VeSTGetTempoAndTimeSig(CVeST* shell, double* tempo, double* numerator,
                                double* denominator) {
    const VstTimeInfo* info =
        shell != nullptr ? timeInfo(shell, kVstTempoValid | kVstTimeSigValid) : nullptr;
    if (info == nullptr) return 0;
    if (tempo != nullptr) *tempo = info->tempo;
    if (numerator != nullptr) *numerator = info->timeSigNumerator;
    if (denominator != nullptr) *denominator = info->timeSigDenominator;
    return 1;
}

VstInt32 VeSTUpdateDisplay(CVeST* shell) {
    return shell != nullptr && shell->callHost(audioMasterUpdateDisplay) != 0 ? 1 : 0;
}

VstInt32 VeSTRepaintEditor(CVeST* shell) {
    if (shell == nullptr) return 0;
    auto* editor = static_cast<CVeSTEditor*>(shell->getEditor());
    return editor != nullptr && editor->repaintView() ? 1 : 0;
}

VstInt32 VeSTSetInitialDelay(CVeST* shell, VstInt32 samples) {
    if (shell == nullptr) return 0;
    shell->setInitialDelay(samples);
    return 1;
}

VstInt32 VeSTSetSynth(CVeST* shell, VstInt32 flag) {
    if (shell == nullptr) return 0;
    shell->isSynth(flag != 0);
    return 1;
}

VstInt32 VeSTSetParameterAutomated(CVeST* shell, VstInt32 index, double value) {
    if (shell == nullptr) return 0;
    shell->setParameterAutomated(index, static_cast<float>(value));
    return 1;
}

VstInt32 VeSTSendMidiEvent(CVeST* shell, VstInt32 deltaFrames, VstInt32 status, VstInt32 data1,
                           VstInt32 data2) {
    if (shell == nullptr) return 0;
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.deltaFrames = deltaFrames;
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    event.midiData[2] = static_cast<char>(data2);
    VstEvents list{};
    list.numEvents = 1;
    list.events[0] = reinterpret_cast<VstEvent*>(&event);
    return shell->callHost(audioMasterProcessEvents, 0, 0, &list) == 1 ? 1 : 0;
}

VstInt32 VeSTSendSysExEvent(CVeST* shell, VstInt32 deltaFrames, void* data, VstInt32 byteCount) {
    if (shell == nullptr) return 0;
    VstMidiSysexEvent event{};
    event.type = kVstSysExType;
    event.byteSize = 32; // the record's size in the 32-bit ABI, which hosts expect here
    event.deltaFrames = deltaFrames;
    event.dumpBytes = byteCount;
    event.sysexDump = static_cast<char*>(data);
    VstEvents list{};
    list.numEvents = 1;
    list.events[0] = reinterpret_cast<VstEvent*>(&event);
    return shell->callHost(audioMasterProcessEvents, 0, 0, &list) == 1 ? 1 : 0;
}

VstInt32 VeSTReadMidiEvent(CVeST* shell, VstInt32* delta, VstInt32* status, VstInt32* data1,
                           VstInt32* data2) {
    if (shell == nullptr) return 0;
    VstInt32 d = 0, s = 0, a = 0, b = 0;
    const bool got = shell->readMidiEvent(d, s, a, b);
    if (delta != nullptr) *delta = d;
    if (status != nullptr) *status = s;
    if (data1 != nullptr) *data1 = a;
    if (data2 != nullptr) *data2 = b;
    return got ? 1 : 0;
}

VstInt32 VeSTCreateEditor(CVeST* shell, VstInt32 width, VstInt32 height) {
    if (shell == nullptr || shell->getEditor() != nullptr) return 0;
    new CVeSTEditor(shell, width, height); // registers itself with the shell
    return 1;
}

VstInt32 VeSTProgramsAreChunks(CVeST* shell, VstInt32 flag) {
    if (shell == nullptr) return 0;
    shell->programsAreChunks(flag != 0);
    return 1;
}

VstIntPtr VeSTGetMasterVersion(CVeST* shell) {
    return forwardToHost(shell, audioMasterVersion);
}
VstIntPtr VeSTGetCurrentUniqueId(CVeST* shell) {
    return forwardToHost(shell, audioMasterCurrentId);
}
VstIntPtr VeSTMasterIdle(CVeST* shell) {
    return forwardToHost(shell, audioMasterIdle);
}
VstIntPtr VeSTGetHostVendorString(CVeST* shell, char* text) {
    return forwardToHost(shell, audioMasterGetVendorString, text);
}
VstIntPtr VeSTGetHostProductString(CVeST* shell, char* text) {
    return forwardToHost(shell, audioMasterGetProductString, text);
}
VstIntPtr VeSTGetHostVendorVersion(CVeST* shell) {
    return forwardToHost(shell, audioMasterGetVendorVersion);
}
VstIntPtr VeSTGetHostLanguage(CVeST* shell) {
    return forwardToHost(shell, audioMasterGetLanguage);
}
