// The plug-in shell: a generic VST 2.x effect that forwards every
// host-facing operation through VeSTCallbacks to the runtime it owns. It is
// the runtime's shell (the services it asks for, CVeSTServices.cpp) and the
// editor's client (draws, mouse, keys and idle, CVeSTEditorClient.cpp).
#pragma once

#include "AudioEffectX.h"
#include "VeSTCallbacks.h"
#include "editor/CVeSTCanvas.h"
#include "editor/VeSTEditorClient.h"
#include "runtime/VeSTShell.h"

#include <vector>

class CVeSTEditor;

class CVeST : public AudioEffectX, public VeSTShell, public VeSTEditorClient {
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

    // ---- VeSTShell: what the runtime asks of its shell
    TVobrix* hostedRuntime() override { return runtime; }
    AEffect* vstRecord() override { return getAeffect(); }
    int32_t inputCount() override { return cEffect.numInputs; }
    int32_t outputCount() override { return cEffect.numOutputs; }
    void setInputCount(int32_t count) override { setNumInputs(count); }
    void setOutputCount(int32_t count) override { setNumOutputs(count); }
    void setEffectId(int32_t id) override { setUniqueID(id); }
    double currentSampleRate() override { return getSampleRate(); }
    int32_t currentBlockSize() override { return getBlockSize(); }
    bool transport(int32_t request, VeSTTransport& out) override;
    bool updateDisplay() override;
    bool repaintEditor() override;
    void setLatency(int32_t samples) override { setInitialDelay(samples); }
    void setSynth(bool synth) override { isSynth(synth); }
    void automateParameter(int32_t index, double value) override;
    bool sendMidiEvent(int32_t delta, int32_t status, int32_t data1, int32_t data2) override;
    bool sendSysExEvent(int32_t delta, void* data, int32_t byteCount) override;
    // Oldest queued MIDI event; false (and all zero) when the ring is empty.
    bool readMidiEvent(int32_t& delta, int32_t& status, int32_t& data1, int32_t& data2) override;
    bool createEditor(int32_t width, int32_t height) override;
    bool editorSize(int32_t& width, int32_t& height) override;
    VeSTDrawing* drawing() override { return canvas.active(); }
    void setProgramsAreChunks(bool areChunks) override { programsAreChunks(areChunks); }
    intptr_t askHost(VeSTHostQuery query, char* text) override;

    // ---- VeSTEditorClient: what the editor asks of its shell
    void onDraw(VSTGUI::CDrawContext* context, double width, double height) override;
    void onMouseDown(double x, double y, int32_t buttons) override;
    void onMouseUp(double x, double y, int32_t buttons) override;
    void onMouseMoved(double x, double y, int32_t buttons) override;
    void onKeyDown(const KeyCode& key) override;
    void onKeyUp(const KeyCode& key) override;
    bool onEditorIdle() override;
    CVeSTCanvas* editorCanvas() override { return &canvas; }

    CVeSTEditor* guiEditor() const;

    TVobrix* runtime;
    CVeSTCanvas canvas; // what the drawing services draw on during a draw
    VstInt32 midiWriteIndex = 0;
    VstInt32 midiReadIndex = 0;
    std::vector<VstMidiEvent> midiRing;
    VeSTCallbacks callbacks;

  private:
    CVeST(TVobrix* runtime, const VeSTCallbacks& callbacks, audioMasterCallback audioMaster,
          VstInt32 numPrograms, VstInt32 numParams);

    bool repaintDue = false; // asked for by the runtime, done by the editor at its idle
};
