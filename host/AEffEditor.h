// The host interface's editor face: what the shell's dispatcher calls for
// the editor opcodes. User-interface thread only.
#pragma once

#include "host/VstInterface.h"
#include "toolkit/KeyCode.h"

class AudioEffect;

class AEffEditor {
  public:
    explicit AEffEditor(AudioEffect* owner) : effect(owner) {}
    virtual ~AEffEditor() = default;

    virtual AudioEffect* getEffect() { return effect; }
    virtual bool getRect(ERect** rect) = 0;
    virtual bool open(void* parent) {
        systemWindow = parent;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(KeyCode& /*key*/) { return false; }
    virtual bool onKeyUp(KeyCode& /*key*/) { return false; }
    virtual bool onWheel(float /*distance*/) { return false; }
    virtual bool setKnobMode(VstInt32 /*mode*/) { return false; }
    // The host's content scale (physical pixels per panel pixel); false
    // when the editor cannot scale.
    virtual bool setContentScale(float /*scale*/) { return false; }

  protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};
