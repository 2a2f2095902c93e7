// The base of every effect: the state parts of the chain above plus the
// section hooks the shell calls at fixed moments. Threads: doBlock and
// doSample on the audio thread; doGraphics and doIdle on the user-interface
// thread; the others on whichever thread the host uses for the call.
#pragma once

#include "AudioPiece.h"
#include "CVobrixMouse.h"

#include <string>

class TVobrix : public CVobrixMouse {
  public:
    TVobrix();
    ~TVobrix() override = default;

    // Open hook (host opens the plug-in): memory and string slots cleared.
    virtual void doOpen();
    virtual void doClose() {}
    virtual void doSuspend() {}
    // Resume hook (processing switched on): doInit, then doSlider.
    virtual void doResume();
    virtual void doInit() {}
    // Audio thread, optional: the sample hook's work over a whole run of
    // frames at once, in place on one double buffer per channel, with results
    // equal to calling doSample frame by frame. The shell hands over pieces
    // of at most gravelo::runtime::kPieceFrames frames. Answers false (touching
    // nothing) when the effect has no block form; the shell then uses its
    // per-frame loop.
    virtual bool processBlock(double* const* /*channels*/, int32_t /*channelCount*/,
                              int32_t /*frames*/) {
        return false;
    }
    // First successful state restore only: doInit. Counts every call.
    virtual void doInitOnce();
    // Draws the editor; only while the shell lends a draw context.
    virtual void doGraphics() {}
    // Editor idle tick: repaints when 1000 / gfxRate ms have passed.
    virtual void doIdle();
    // Moves the saved values through stateStream in its current mode.
    virtual void doSerialize() {}
    // Restores from a chunk; answers byteCount in every case.
    virtual int32_t setState(const void* data, int32_t byteCount, bool isPreset);
    // Produces the chunk; answers its byte count, 0 when nothing was written.
    virtual int32_t getState(void** data, bool isPreset);

    void addSlider(int32_t number, double* boundVariable, double defaultValue, double minimum,
                   double maximum, double step, std::string folder, std::string reservedText,
                   std::string label, std::string name);

    static constexpr float kStateMarker = -1000.0f;

    int32_t lastRepaint = 0;
    int32_t initCount = 0;

    // Milliseconds of the process clock; tests substitute their own.
    int32_t (*processClock)() = nullptr;

  private:
    void completeSliderRecord(SliderInfo& info);
    void openRuntimeState();
};
