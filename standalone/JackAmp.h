// The amplifier as a JACK client: one audio input, two audio outputs that
// carry the same signal, and a MIDI input whose Program Change selects a
// program of the ProgramTable. The process callback runs the instance's
// shared audio path in pieces the instance was activated for (so any period
// size the server switches to is taken as it comes) and keeps the real-time
// rules: no allocation, no lock, no system call.
#pragma once

#include "instance/AmpInstance.h"
#include "standalone/InputMeter.h"
#include "standalone/ProgramTable.h"

#include <jack/jack.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace gravelo::standalone {

class NoJackServer : public std::runtime_error {
  public:
    NoJackServer()
        : std::runtime_error("no JACK server is running: start jackd, or run under PipeWire's "
                             "JACK (pw-jack gravelo-amp)") {}
};

class JackError : public std::runtime_error {
  public:
    explicit JackError(const std::string& message) : std::runtime_error(message) {}
};

class JackAmp {
  public:
    // The largest piece the instance processes at once; longer periods are
    // split, so a period size change needs nothing from the instance.
    static constexpr uint32_t kPieceFrames = 1024;

    // [main] Opens the client (never starting a server) and registers its
    // ports. Throws NoJackServer, or JackError for any other refusal.
    JackAmp(const std::string& clientName, instance::AmpInstance& amp, const ProgramTable& programs,
            InputPeak& inputPeak);
    ~JackAmp();
    JackAmp(const JackAmp&) = delete;
    JackAmp& operator=(const JackAmp&) = delete;

    // [main] Activates the instance at the server's rate and the client.
    void start();
    // [main] Connects `in` and the outputs; empty names take the first
    // physical ports. Answers a line for each connection that failed.
    std::vector<std::string> connect(const std::string& input,
                                     const std::vector<std::string>& outputs);

    // [main] A sample rate change the server reported is taken here: the
    // audio thread is held on silence while the instance is activated anew.
    void followSampleRate();

    const std::string& clientName() const { return name; }
    bool serverGone() const { return gone.load(std::memory_order_acquire); }
    // The server's DSP load in percent, and how many xruns it reported.
    float dspLoad() const;
    uint32_t xruns() const { return xrunCount.load(std::memory_order_relaxed); }
    // The program a Program Change selected last, and how many it applied
    // (so a window notices a repeat of the same number too).
    size_t lastProgram() const { return programSelected.load(std::memory_order_relaxed); }
    uint32_t programChanges() const { return programCount.load(std::memory_order_acquire); }

  private:
    static int onProcess(jack_nframes_t frames, void* self);
    static int onSampleRate(jack_nframes_t rate, void* self);
    static int onXrun(void* self);
    static void onShutdown(jack_status_t code, const char* reason, void* self);

    int process(jack_nframes_t frames);
    void runAmp(const float* input, float* left, float* right, uint32_t from, uint32_t to);
    void selectProgram(size_t number);
    bool holdAudio();
    void connectPort(const std::string& from, const std::string& to,
                     std::vector<std::string>& failures);

    instance::AmpInstance& amp;
    const ProgramTable& programs;
    InputPeak& peak;
    jack_client_t* client = nullptr;
    jack_port_t* inPort = nullptr;
    jack_port_t* leftPort = nullptr;
    jack_port_t* rightPort = nullptr;
    jack_port_t* midiPort = nullptr;
    std::string name;
    std::atomic<bool> gone{false};
    std::atomic<uint32_t> xrunCount{0};
    std::atomic<uint32_t> serverRate{0};
    std::atomic<size_t> programSelected{0};
    std::atomic<uint32_t> programCount{0};
    // The hand-shake that keeps the audio thread off the instance while the
    // main thread activates it anew.
    std::atomic<bool> holdRequested{false};
    std::atomic<bool> holding{false};
};

} // namespace gravelo::standalone
