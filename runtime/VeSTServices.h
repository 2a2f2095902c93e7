// Services the runtime calls on its shell (VeSTShell.h). Each tolerates a
// null shell and then answers 0 without doing anything.
#pragma once

#include "VeSTShell.h"

AEffect* VeSTGetAEffect(VeSTShell* shell);
TVobrix* VeSTGetRuntime(VeSTShell* shell);
int32_t VeSTGetNumInputs(VeSTShell* shell);
int32_t VeSTGetNumOutputs(VeSTShell* shell);
int32_t VeSTSetNumInputs(VeSTShell* shell, int32_t count);
int32_t VeSTSetNumOutputs(VeSTShell* shell, int32_t count);
int32_t VeSTSetUniqueID(VeSTShell* shell, int32_t id);
double VeSTGetSampleRate(VeSTShell* shell);
int32_t VeSTGetBlockSize(VeSTShell* shell);

// Transport, from the host's time info; 0 when the host gives none.
double VeSTGetTempo(VeSTShell* shell);
int32_t VeSTIsPlaying(VeSTShell* shell);
int32_t VeSTIsRecording(VeSTShell* shell);
double VeSTGetPpqPos(VeSTShell* shell);
double VeSTGetBarStartPos(VeSTShell* shell);
int32_t VeSTGetTempoAndTimeSig(VeSTShell* shell, double* tempo, double* numerator,
                               double* denominator);

int32_t VeSTUpdateDisplay(VeSTShell* shell);
int32_t VeSTRepaintEditor(VeSTShell* shell);
int32_t VeSTSetInitialDelay(VeSTShell* shell, int32_t samples);
int32_t VeSTSetSynth(VeSTShell* shell, int32_t flag);
int32_t VeSTSetParameterAutomated(VeSTShell* shell, int32_t index, double value);
int32_t VeSTSendMidiEvent(VeSTShell* shell, int32_t deltaFrames, int32_t status, int32_t data1,
                          int32_t data2);
int32_t VeSTSendSysExEvent(VeSTShell* shell, int32_t deltaFrames, void* data, int32_t byteCount);
int32_t VeSTReadMidiEvent(VeSTShell* shell, int32_t* delta, int32_t* status, int32_t* data1,
                          int32_t* data2);
int32_t VeSTCreateEditor(VeSTShell* shell, int32_t width, int32_t height);
int32_t VeSTProgramsAreChunks(VeSTShell* shell, int32_t flag);

intptr_t VeSTGetMasterVersion(VeSTShell* shell);
intptr_t VeSTGetCurrentUniqueId(VeSTShell* shell);
intptr_t VeSTMasterIdle(VeSTShell* shell);
intptr_t VeSTGetHostVendorString(VeSTShell* shell, char* text);
intptr_t VeSTGetHostProductString(VeSTShell* shell, char* text);
intptr_t VeSTGetHostVendorVersion(VeSTShell* shell);
intptr_t VeSTGetHostLanguage(VeSTShell* shell);
