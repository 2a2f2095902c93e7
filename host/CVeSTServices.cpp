// The VST 2.x answers to what the runtime asks of its shell.
#include "CVeST.h"

#include "host/CVeSTEditor.h"

namespace {

// The runtime's transport request bits are the time-info mask bits, so a
// request goes to the host as its mask unchanged.
constexpr bool sameBit(int32_t request, VstInt32 mask) {
    return request == mask;
}
static_assert(sameBit(kVeSTWantPlaying, kVstTransportPlaying) &&
              sameBit(kVeSTWantRecording, kVstTransportRecording) &&
              sameBit(kVeSTWantPpqPosition, kVstPpqPosValid) &&
              sameBit(kVeSTWantTempo, kVstTempoValid) && sameBit(kVeSTWantBars, kVstBarsValid) &&
              sameBit(kVeSTWantTimeSignature, kVstTimeSigValid));

VstIntPtr sendEvent(CVeST& shell, VstEvent* event) {
    VstEvents list{};
    list.numEvents = 1;
    list.events[0] = event;
    return shell.callHost(audioMasterProcessEvents, 0, 0, &list);
}

VstInt32 hostOpcode(VeSTHostQuery query) {
    switch (query) {
    case VeSTHostQuery::version:
        return audioMasterVersion;
    case VeSTHostQuery::currentUniqueId:
        return audioMasterCurrentId;
    case VeSTHostQuery::idle:
        return audioMasterIdle;
    case VeSTHostQuery::vendorString:
        return audioMasterGetVendorString;
    case VeSTHostQuery::productString:
        return audioMasterGetProductString;
    case VeSTHostQuery::vendorVersion:
        return audioMasterGetVendorVersion;
    case VeSTHostQuery::language:
        return audioMasterGetLanguage;
    }
    return audioMasterVersion;
}

} // namespace

bool CVeST::transport(int32_t request, VeSTTransport& out) {
    const auto* info =
        reinterpret_cast<const VstTimeInfo*>(callHost(audioMasterGetTime, 0, request));
    if (info == nullptr) return false;
    out.tempo = info->tempo;
    out.ppqPosition = info->ppqPos;
    out.barStartPosition = info->barStartPos;
    out.timeSignatureNumerator = info->timeSigNumerator;
    out.timeSignatureDenominator = info->timeSigDenominator;
    out.playing = (info->flags & kVstTransportPlaying) != 0;
    out.recording = (info->flags & kVstTransportRecording) != 0;
    return true;
}

bool CVeST::updateDisplay() {
    return callHost(audioMasterUpdateDisplay) != 0;
}

// The editor repaints its own view at its next idle (the runtime asks from
// inside that idle), so here the request is only noted.
bool CVeST::repaintEditor() {
    const CVeSTEditor* gui = guiEditor();
    if (gui == nullptr || gui->getView() == nullptr) return false;
    repaintDue = true;
    return true;
}

void CVeST::automateParameter(int32_t index, double value) {
    setParameterAutomated(index, static_cast<float>(value));
}

bool CVeST::sendMidiEvent(int32_t delta, int32_t status, int32_t data1, int32_t data2) {
    VstMidiEvent event{};
    event.type = kVstMidiType;
    event.byteSize = sizeof(VstMidiEvent);
    event.deltaFrames = delta;
    event.midiData[0] = static_cast<char>(status);
    event.midiData[1] = static_cast<char>(data1);
    event.midiData[2] = static_cast<char>(data2);
    return sendEvent(*this, reinterpret_cast<VstEvent*>(&event)) == 1;
}

bool CVeST::sendSysExEvent(int32_t delta, void* data, int32_t byteCount) {
    VstMidiSysexEvent event{};
    event.type = kVstSysExType;
    event.byteSize = 32; // the record's size in the 32-bit ABI, which hosts expect here
    event.deltaFrames = delta;
    event.dumpBytes = byteCount;
    event.sysexDump = static_cast<char*>(data);
    return sendEvent(*this, reinterpret_cast<VstEvent*>(&event)) == 1;
}

bool CVeST::createEditor(int32_t width, int32_t height) {
    if (getEditor() != nullptr) return false;
    new CVeSTEditor(this, this, width, height); // registers itself with this shell
    return true;
}

bool CVeST::editorSize(int32_t& width, int32_t& height) {
    const CVeSTEditor* gui = guiEditor();
    if (gui == nullptr) return false;
    width = gui->getWidth();
    height = gui->getHeight();
    return true;
}

CVeSTEditor* CVeST::guiEditor() const {
    return static_cast<CVeSTEditor*>(getEditor()); // the only editor this shell makes
}

intptr_t CVeST::askHost(VeSTHostQuery query, char* text) {
    return callHost(hostOpcode(query), 0, 0, text);
}
