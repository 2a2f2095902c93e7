// What the runtime needs from the shell that hosts it. Each plug-in format's
// shell implements this face; the runtime holds it as an opaque handle and
// reaches it only through the VeST* services (VeSTServices.h and
// VeSTDrawingServices.h), which answer 0 for a null shell and otherwise
// forward here. Every optional operation has a default that answers as a
// shell that cannot do it: 0, false, nothing done.
#pragma once

#include <cstdint>

class TVobrix;
class VeSTDrawing;
struct AEffect;

// The host's transport, as far as the host tells it.
struct VeSTTransport {
    double tempo = 0.0;                  // beats per minute
    double ppqPosition = 0.0;            // musical position in quarter notes
    double barStartPosition = 0.0;       // in quarter notes
    double timeSignatureNumerator = 0.0; // for example 3 in 3/4
    double timeSignatureDenominator = 0.0;
    bool playing = false;
    bool recording = false;
};

// What a transport query asks for, as bits; a shell may fill in more.
enum VeSTTransportRequest : int32_t {
    kVeSTWantPlaying = 1 << 1,
    kVeSTWantRecording = 1 << 3,
    kVeSTWantPpqPosition = 1 << 9,
    kVeSTWantTempo = 1 << 10,
    kVeSTWantBars = 1 << 11,
    kVeSTWantTimeSignature = 1 << 13,
};

// Questions passed to the host as they are; the host's answer comes back.
enum class VeSTHostQuery {
    version,         // the host's interface version
    currentUniqueId, // the identifier of the plug-in being loaded (shell plug-ins)
    idle,            // asks the host for idle time
    vendorString,    // into the text buffer
    productString,   // into the text buffer
    vendorVersion,
    language,
};

class VeSTShell {
  public:
    virtual ~VeSTShell() = default;

    // The runtime object this shell carries.
    virtual TVobrix* hostedRuntime() = 0;
    // The VST 2.x record, for shells that have one.
    virtual AEffect* vstRecord() { return nullptr; }

    virtual int32_t inputCount() = 0;
    virtual int32_t outputCount() = 0;
    virtual void setInputCount(int32_t /*count*/) {}
    virtual void setOutputCount(int32_t /*count*/) {}
    virtual void setEffectId(int32_t /*id*/) {}
    virtual double currentSampleRate() = 0;
    virtual int32_t currentBlockSize() = 0;

    // False (and `out` untouched) when the host gives no transport.
    virtual bool transport(int32_t /*request*/, VeSTTransport& /*out*/) { return false; }
    // True when the host took the request to re-read names and values.
    virtual bool updateDisplay() { return false; }
    // Asks the editor to redraw its whole view; false when no view is shown.
    virtual bool repaintEditor() { return false; }
    virtual void setLatency(int32_t /*samples*/) {}
    virtual void setSynth(bool /*isSynth*/) {}
    // Reports a value the effect set itself, as if the user moved the parameter.
    virtual void automateParameter(int32_t /*index*/, double /*value*/) {}

    // MIDI out; true when the host accepted the event.
    virtual bool sendMidiEvent(int32_t /*delta*/, int32_t /*status*/, int32_t /*data1*/,
                               int32_t /*data2*/) {
        return false;
    }
    virtual bool sendSysExEvent(int32_t /*delta*/, void* /*data*/, int32_t /*byteCount*/) {
        return false;
    }
    // MIDI in: the oldest received event; false (all outs 0) when none is queued.
    virtual bool readMidiEvent(int32_t& delta, int32_t& status, int32_t& data1, int32_t& data2) {
        delta = status = data1 = data2 = 0;
        return false;
    }

    // Creates the editor at that size; false when the shell already has one.
    virtual bool createEditor(int32_t /*width*/, int32_t /*height*/) { return false; }
    // False when the shell has no editor.
    virtual bool editorSize(int32_t& /*width*/, int32_t& /*height*/) { return false; }
    // What the drawing services draw on: non-null only while the editor
    // lends a draw context, that is inside one doGraphics.
    virtual VeSTDrawing* drawing() { return nullptr; }

    virtual void setProgramsAreChunks(bool /*areChunks*/) {}
    virtual intptr_t askHost(VeSTHostQuery /*query*/, char* /*text*/) { return 0; }
};
