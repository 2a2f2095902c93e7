#include "AudioEffectX.h"

#include "host/AEffEditor.h"

#include <cmath>

namespace {

// The content scale some hosts send: index 'PreS', value 'AeCs', the scale
// as the float opt.
constexpr VstInt32 kScaleCallIndex = ('P' << 24) | ('r' << 16) | ('e' << 8) | 'S';
constexpr VstIntPtr kScaleCallValue = ('A' << 24) | ('e' << 16) | ('C' << 8) | 's';

VstIntPtr vendorCall(AEffEditor* editor, VstInt32 index, VstIntPtr value, float opt) {
    if (index == kScaleCallIndex && value == kScaleCallValue && editor != nullptr)
        return editor->setContentScale(opt) ? 1 : 0;
    return 0;
}

VstIntPtr editorKey(AEffEditor* editor, bool down, VstInt32 index, VstIntPtr value, float opt) {
    if (editor == nullptr) return 0;
    // Modifiers arrive as a float; a NaN or out-of-range value means none.
    const int modifiers =
        std::isfinite(opt) && std::fabs(opt) < 2147483647.0f ? static_cast<int>(opt) : 0;
    KeyCode key{index, static_cast<unsigned char>(value & 0xff),
                static_cast<unsigned char>(modifiers & 0xff)};
    return down ? editor->onKeyDown(key) : editor->onKeyUp(key);
}

} // namespace

void AudioEffectX::resume() {
    static char receiveMidi[] = "receiveVstMidiEvent";
    if (hasFlag(effFlagsIsSynth) || canDo(receiveMidi) == 1) callHost(audioMasterWantMidi, 0, 1);
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    if (opcode < effProcessEvents || opcode > effGetNumMidiOutputChannels)
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents:
        return ptr != nullptr ? processEvents(static_cast<VstEvents*>(ptr)) : 0;
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effGetProgramNameIndexed:
        return text != nullptr && getProgramNameIndexed(static_cast<VstInt32>(value), index, text)
                   ? 1
                   : 0;
    case effGetPlugCategory:
        return hasFlag(effFlagsIsSynth) ? 2 : 0;
    case effGetEffectName:
        return text != nullptr && getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return text != nullptr && getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return text != nullptr && getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effCanDo:
        return text != nullptr ? canDo(text) : 0;
    case effGetTailSize:
        return getGetTailSize();
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
        return editorKey(editor, true, index, value, opt);
    case effEditKeyUp:
        return editorKey(editor, false, index, value, opt);
    case effSetEditKnobMode:
        return editor != nullptr ? editor->setKnobMode(static_cast<VstInt32>(value)) : 0;
    case effGetCurrentMidiProgram:
        return getCurrentMidiProgram();
    case effGetSpeakerArrangement:
        if (value != 0) *reinterpret_cast<void**>(value) = nullptr;
        if (ptr != nullptr) *static_cast<void**>(ptr) = nullptr;
        return 0;
    case effSetTotalSampleToProcess:
        return value;
    case effVendorSpecific:
        return vendorCall(editor, index, value, opt);
    default:
        return 0;
    }
}
