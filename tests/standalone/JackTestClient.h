// The test's side of a JACK graph around Gravelo: a player that feeds a
// signal (and Program Changes at chosen frames of it) into the amp, and a
// recorder of its two outputs, as two clients so that the graph has no
// cycle and the recording lines up with what is played in the same period.
// The server can freewheel while they run, so that no period is lost on a
// busy machine. Buffers are made before the audio starts; the callbacks
// neither allocate nor lock.
#pragma once

#include <jack/jack.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::standalone {

class JackTestClient {
  public:
    // Opens both clients and registers their ports; ok() tells whether it
    // worked. `name` prefixes the client names.
    explicit JackTestClient(const std::string& name);
    ~JackTestClient();
    JackTestClient(const JackTestClient&) = delete;
    JackTestClient& operator=(const JackTestClient&) = delete;
    bool ok() const { return player != nullptr && recorder != nullptr; }

    // Connects to the ports of client `amp` (in, out_left, out_right, midi_in).
    bool connectTo(const std::string& amp);
    // Program Change `program` at frame `frame` of the signal (frames are
    // moved to a period's start when that period starts at or after them).
    void scheduleProgram(size_t frame, uint8_t program);
    // Plays `signal` from the next period on, recording as long, and waits
    // until done (with the server freewheeling when asked). At `changeAt`
    // frames (0: never) the period size is set to `newPeriod`.
    bool play(const std::vector<float>& signal, bool freewheel, size_t changeAt = 0,
              uint32_t newPeriod = 0);
    // Plays `signal` in a loop until stop(), without waiting.
    void loop(const std::vector<float>& signal);
    void stopLoop();
    // Frames played since play() began.
    size_t playedFrames() const { return played.load(); }
    // The loudest output sample since the last call.
    float takeOutputPeak() { return outputPeak.exchange(0.0f); }

    const std::vector<float>& left() const { return recordedLeft; }
    const std::vector<float>& right() const { return recordedRight; }
    jack_client_t* client() const { return player; }
    // Period sizes the player saw, in order of appearance.
    std::vector<uint32_t> periodSizes() const;

  private:
    static int onPlay(jack_nframes_t frames, void* self);
    static int onRecord(jack_nframes_t frames, void* self);
    int playPeriod(jack_nframes_t frames);
    int recordPeriod(jack_nframes_t frames);

    jack_client_t* player = nullptr;
    jack_client_t* recorder = nullptr;
    jack_port_t* out = nullptr;
    jack_port_t* midiOut = nullptr;
    jack_port_t* inLeft = nullptr;
    jack_port_t* inRight = nullptr;

    std::vector<float> signal;
    std::vector<std::pair<size_t, uint8_t>> programs;
    size_t nextProgram = 0;
    std::vector<float> recordedLeft, recordedRight;
    std::atomic<bool> armed{false};
    std::atomic<bool> looping{false};
    std::atomic<size_t> played{0};
    std::atomic<size_t> recorded{0};
    // The frame time of the period the playing started in, for the recorder.
    std::atomic<jack_nframes_t> startFrame{0};
    std::atomic<bool> started{false};
    std::atomic<float> outputPeak{0.0f};
    std::array<std::atomic<uint32_t>, 4> sizesSeen{};
};

} // namespace gravelo::test::standalone
