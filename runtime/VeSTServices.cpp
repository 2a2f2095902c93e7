#include "VeSTServices.h"

namespace {

// The transport when the shell has one, for the request's bits.
bool transportOf(VeSTShell* shell, int32_t request, VeSTTransport& out) {
    return shell != nullptr && shell->transport(request, out);
}

intptr_t ask(VeSTShell* shell, VeSTHostQuery query, char* text = nullptr) {
    return shell != nullptr ? shell->askHost(query, text) : 0;
}

// Runs `change` on a shell that exists and answers 1; 0 for a null shell.
template <class Change> int32_t changeShell(VeSTShell* shell, Change&& change) {
    if (shell == nullptr) return 0;
    change(*shell);
    return 1;
}

} // namespace

AEffect* VeSTGetAEffect(VeSTShell* shell) {
    return shell != nullptr ? shell->vstRecord() : nullptr;
}
TVobrix* VeSTGetRuntime(VeSTShell* shell) {
    return shell != nullptr ? shell->hostedRuntime() : nullptr;
}
int32_t VeSTGetNumInputs(VeSTShell* shell) {
    return shell != nullptr ? shell->inputCount() : 0;
}
int32_t VeSTGetNumOutputs(VeSTShell* shell) {
    return shell != nullptr ? shell->outputCount() : 0;
}

int32_t VeSTSetNumInputs(VeSTShell* shell, int32_t count) {
    return changeShell(shell, [&](VeSTShell& s) { s.setInputCount(count); });
}

int32_t VeSTSetNumOutputs(VeSTShell* shell, int32_t count) {
    return changeShell(shell, [&](VeSTShell& s) { s.setOutputCount(count); });
}

int32_t VeSTSetUniqueID(VeSTShell* shell, int32_t id) {
    return changeShell(shell, [&](VeSTShell& s) { s.setEffectId(id); });
}

double VeSTGetSampleRate(VeSTShell* shell) {
    return shell != nullptr ? shell->currentSampleRate() : 0.0;
}
int32_t VeSTGetBlockSize(VeSTShell* shell) {
    return shell != nullptr ? shell->currentBlockSize() : 0;
}

double VeSTGetTempo(VeSTShell* shell) {
    VeSTTransport t;
    return transportOf(shell, kVeSTWantTempo, t) ? t.tempo : 0.0;
}

int32_t VeSTIsPlaying(VeSTShell* shell) {
    VeSTTransport t;
    return transportOf(shell, kVeSTWantPlaying, t) && t.playing ? 1 : 0;
}

int32_t VeSTIsRecording(VeSTShell* shell) {
    VeSTTransport t;
    return transportOf(shell, kVeSTWantRecording, t) && t.recording ? 1 : 0;
}

double VeSTGetPpqPos(VeSTShell* shell) {
    VeSTTransport t;
    return transportOf(shell, kVeSTWantPpqPosition, t) ? t.ppqPosition : 0.0;
}

double VeSTGetBarStartPos(VeSTShell* shell) {
    VeSTTransport t;
    return transportOf(shell, kVeSTWantBars, t) ? t.barStartPosition : 0.0;
}

int32_t VeSTGetTempoAndTimeSig(VeSTShell* shell, double* tempo, double* numerator,
                               double* denominator) {
    VeSTTransport t;
    if (!transportOf(shell, kVeSTWantTempo | kVeSTWantTimeSignature, t)) return 0;
    if (tempo != nullptr) *tempo = t.tempo;
    if (numerator != nullptr) *numerator = t.timeSignatureNumerator;
    if (denominator != nullptr) *denominator = t.timeSignatureDenominator;
    return 1;
}

int32_t VeSTUpdateDisplay(VeSTShell* shell) {
    return shell != nullptr && shell->updateDisplay() ? 1 : 0;
}

int32_t VeSTRepaintEditor(VeSTShell* shell) {
    return shell != nullptr && shell->repaintEditor() ? 1 : 0;
}

int32_t VeSTSetInitialDelay(VeSTShell* shell, int32_t samples) {
    return changeShell(shell, [&](VeSTShell& s) { s.setLatency(samples); });
}

int32_t VeSTSetSynth(VeSTShell* shell, int32_t flag) {
    return changeShell(shell, [&](VeSTShell& s) { s.setSynth(flag != 0); });
}

int32_t VeSTSetParameterAutomated(VeSTShell* shell, int32_t index, double value) {
    return changeShell(shell, [&](VeSTShell& s) { s.automateParameter(index, value); });
}

int32_t VeSTSendMidiEvent(VeSTShell* shell, int32_t deltaFrames, int32_t status, int32_t data1,
                          int32_t data2) {
    return shell != nullptr && shell->sendMidiEvent(deltaFrames, status, data1, data2) ? 1 : 0;
}

int32_t VeSTSendSysExEvent(VeSTShell* shell, int32_t deltaFrames, void* data, int32_t byteCount) {
    return shell != nullptr && shell->sendSysExEvent(deltaFrames, data, byteCount) ? 1 : 0;
}

int32_t VeSTReadMidiEvent(VeSTShell* shell, int32_t* delta, int32_t* status, int32_t* data1,
                          int32_t* data2) {
    if (shell == nullptr) return 0;
    int32_t d = 0, s = 0, a = 0, b = 0;
    const bool got = shell->readMidiEvent(d, s, a, b);
    if (delta != nullptr) *delta = d;
    if (status != nullptr) *status = s;
    if (data1 != nullptr) *data1 = a;
    if (data2 != nullptr) *data2 = b;
    return got ? 1 : 0;
}

int32_t VeSTCreateEditor(VeSTShell* shell, int32_t width, int32_t height) {
    return shell != nullptr && shell->createEditor(width, height) ? 1 : 0;
}

int32_t VeSTProgramsAreChunks(VeSTShell* shell, int32_t flag) {
    return changeShell(shell, [&](VeSTShell& s) { s.setProgramsAreChunks(flag != 0); });
}

intptr_t VeSTGetMasterVersion(VeSTShell* shell) {
    return ask(shell, VeSTHostQuery::version);
}
intptr_t VeSTGetCurrentUniqueId(VeSTShell* shell) {
    return ask(shell, VeSTHostQuery::currentUniqueId);
}
intptr_t VeSTMasterIdle(VeSTShell* shell) {
    return ask(shell, VeSTHostQuery::idle);
}
intptr_t VeSTGetHostVendorString(VeSTShell* shell, char* text) {
    return ask(shell, VeSTHostQuery::vendorString, text);
}
intptr_t VeSTGetHostProductString(VeSTShell* shell, char* text) {
    return ask(shell, VeSTHostQuery::productString, text);
}
intptr_t VeSTGetHostVendorVersion(VeSTShell* shell) {
    return ask(shell, VeSTHostQuery::vendorVersion);
}
intptr_t VeSTGetHostLanguage(VeSTShell* shell) {
    return ask(shell, VeSTHostQuery::language);
}
