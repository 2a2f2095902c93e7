// The extended host-interface layer: answers the dispatcher opcodes 25 to 79
// (events, names, capabilities, versions) and hands the rest to AudioEffect.
#pragma once

#include "AudioEffect.h"

class AudioEffectX : public AudioEffect {
  public:
    using AudioEffect::AudioEffect;

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;

    // Audio thread.
    virtual VstInt32 processEvents(VstEvents* /*events*/) { return 0; }
    virtual bool canParameterBeAutomated(VstInt32 /*index*/) { return true; }
    virtual bool getProgramNameIndexed(VstInt32 /*category*/, VstInt32 /*index*/, char* /*text*/) {
        return false;
    }
    virtual bool getEffectName(char* /*name*/) { return false; }
    virtual bool getVendorString(char* /*text*/) { return false; }
    virtual bool getProductString(char* /*text*/) { return false; }
    virtual VstInt32 getVendorVersion() { return 0; }
    virtual VstInt32 canDo(char* /*text*/) { return 0; }
    virtual VstInt32 getGetTailSize() { return 0; }
    virtual VstInt32 getVstVersion() { return kVstVersion; }
    virtual VstInt32 getCurrentMidiProgram() { return -1; }

    // Host requests for parameter gestures made in the editor.
    bool beginEdit(VstInt32 index) { return callHost(audioMasterBeginEdit, index) != 0; }
    bool endEdit(VstInt32 index) { return callHost(audioMasterEndEdit, index) != 0; }
    // Asks the host for idle time (the editor's idle pump).
    void masterIdle() { callHost(audioMasterIdle); }
    // Asks the host to make the editor's window width x height pixels.
    bool sizeWindow(VstInt32 width, VstInt32 height) {
        return callHost(audioMasterSizeWindow, width, height) != 0;
    }

    void resume() override;
};
