// The plug-in shell: a generic VST 2.x effect that forwards every
// host-facing operation through VeSTCallbacks to the runtime it owns.
#pragma once

#include "AudioEffectX.h"
#include "VeSTCallbacks.h"

#include <vector>

class TVobrix;
namespace VSTGUI {
class CDrawContext;
class CFontDesc;
} // namespace VSTGUI

class CVeST : public AudioEffectX {
  public:
    static constexpr size_t kMidiRingSize = 1000;

    // Creates the shell, or nothing when the host answers 0 to the version query.
    static CVeST* create(TVobrix* runtime, const VeSTCallbacks& callbacks,
                         audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);

    ~CVeST() override;

    void open() override;
    void close() override;
    void suspend() override;
    void resume() override;
    void processReplacing(float** inputs, float** outputs, VstInt32 frames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 frames) override;
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    VstInt32 getChunk(void** data, bool isPreset) override;
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    VstInt32 processEvents(VstEvents* events) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override;
    VstInt32 canDo(char* text) override;

    // Oldest queued MIDI event; false (and all zero) when the ring is empty.
    bool readMidiEvent(VstInt32& delta, VstInt32& status, VstInt32& data1, VstInt32& data2);

    TVobrix* runtime;
    VSTGUI::CDrawContext* drawContext = nullptr; // lent by the effect view for one draw
    VstInt32 midiWriteIndex = 0;
    VstInt32 midiReadIndex = 0;
    std::vector<VSTGUI::CFontDesc*> fontCache;
    std::vector<VstMidiEvent> midiRing;
    VeSTCallbacks callbacks;

  private:
    CVeST(TVobrix* runtime, const VeSTCallbacks& callbacks, audioMasterCallback audioMaster,
          VstInt32 numPrograms, VstInt32 numParams);
};
