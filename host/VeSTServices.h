// Services the runtime calls on its shell. Each tolerates a null shell and
// then answers 0 without doing anything.
#pragma once

#include "VstInterface.h"

class CVeST;
class TVobrix;
struct VeSTImage;

AEffect* VeSTGetAEffect(CVeST* shell);
TVobrix* VeSTGetRuntime(CVeST* shell);
VstInt32 VeSTGetNumInputs(CVeST* shell);
VstInt32 VeSTGetNumOutputs(CVeST* shell);
VstInt32 VeSTSetNumInputs(CVeST* shell, VstInt32 count);
VstInt32 VeSTSetNumOutputs(CVeST* shell, VstInt32 count);
VstInt32 VeSTSetUniqueID(CVeST* shell, VstInt32 id);
double VeSTGetSampleRate(CVeST* shell);
VstInt32 VeSTGetBlockSize(CVeST* shell);

// Transport, from the host's time info; 0 when the host gives none.
double VeSTGetTempo(CVeST* shell);
VstInt32 VeSTIsPlaying(CVeST* shell);
VstInt32 VeSTIsRecording(CVeST* shell);
double VeSTGetPpqPos(CVeST* shell);
double VeSTGetBarStartPos(CVeST* shell);
VstInt32 VeSTGetTempoAndTimeSig(CVeST* shell, double* tempo, double* numerator,
                                double* denominator);

VstInt32 VeSTUpdateDisplay(CVeST* shell);
VstInt32 VeSTRepaintEditor(CVeST* shell);
VstInt32 VeSTSetInitialDelay(CVeST* shell, VstInt32 samples);
VstInt32 VeSTSetSynth(CVeST* shell, VstInt32 flag);
VstInt32 VeSTSetParameterAutomated(CVeST* shell, VstInt32 index, double value);
VstInt32 VeSTSendMidiEvent(CVeST* shell, VstInt32 deltaFrames, VstInt32 status, VstInt32 data1,
                           VstInt32 data2);
VstInt32 VeSTSendSysExEvent(CVeST* shell, VstInt32 deltaFrames, void* data, VstInt32 byteCount);
VstInt32 VeSTReadMidiEvent(CVeST* shell, VstInt32* delta, VstInt32* status, VstInt32* data1,
                           VstInt32* data2);
VstInt32 VeSTCreateEditor(CVeST* shell, VstInt32 width, VstInt32 height);
VstInt32 VeSTProgramsAreChunks(CVeST* shell, VstInt32 flag);

VstIntPtr VeSTGetMasterVersion(CVeST* shell);
VstIntPtr VeSTGetCurrentUniqueId(CVeST* shell);
VstIntPtr VeSTMasterIdle(CVeST* shell);
VstIntPtr VeSTGetHostVendorString(CVeST* shell, char* text);
VstIntPtr VeSTGetHostProductString(CVeST* shell, char* text);
VstIntPtr VeSTGetHostVendorVersion(CVeST* shell);
VstIntPtr VeSTGetHostLanguage(CVeST* shell);
