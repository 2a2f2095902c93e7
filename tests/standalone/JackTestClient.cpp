#include "JackTestClient.h"

#include <jack/midiport.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace gravelo::test::standalone {

namespace {

void quiet(const char*) {}

jack_client_t* openClient(const std::string& name) {
    jack_set_error_function(quiet);
    jack_status_t status{};
    return jack_client_open(name.c_str(), JackNoStartServer, &status);
}

} // namespace

JackTestClient::JackTestClient(const std::string& name) {
    player = openClient(name + "-player");
    recorder = openClient(name + "-recorder");
    if (!ok()) return;
    out = jack_port_register(player, "out", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    midiOut = jack_port_register(player, "midi", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    inLeft = jack_port_register(recorder, "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    inRight = jack_port_register(recorder, "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    jack_set_process_callback(player, onPlay, this);
    jack_set_process_callback(recorder, onRecord, this);
    if (jack_activate(player) != 0 || jack_activate(recorder) != 0) {
        jack_client_close(recorder);
        recorder = nullptr;
    }
}

JackTestClient::~JackTestClient() {
    if (recorder != nullptr) jack_client_close(recorder);
    if (player != nullptr) jack_client_close(player);
}

bool JackTestClient::connectTo(const std::string& amp) {
    return jack_connect(player, jack_port_name(out), (amp + ":in").c_str()) == 0 &&
           jack_connect(player, jack_port_name(midiOut), (amp + ":midi_in").c_str()) == 0 &&
           jack_connect(recorder, (amp + ":out_left").c_str(), jack_port_name(inLeft)) == 0 &&
           jack_connect(recorder, (amp + ":out_right").c_str(), jack_port_name(inRight)) == 0;
}

void JackTestClient::scheduleProgram(size_t frame, uint8_t program) {
    programs.emplace_back(frame, program);
    std::sort(programs.begin(), programs.end());
}

bool JackTestClient::play(const std::vector<float>& audio, bool freewheel, size_t changeAt,
                          uint32_t newPeriod) {
    using namespace std::chrono_literals;
    signal = audio;
    recordedLeft.assign(signal.size(), 0.0f);
    recordedRight.assign(signal.size(), 0.0f);
    played = recorded = nextProgram = 0;
    started = false;
    armed = true;
    if (freewheel) jack_set_freewheel(player, 1);
    bool changed = changeAt == 0;
    const auto until = std::chrono::steady_clock::now() + 120s;
    while (recorded.load() < signal.size() && std::chrono::steady_clock::now() < until) {
        // A period size change while freewheeling races with the cycles
        // that run meanwhile (clients of one cycle may be given either
        // size); the server changes it cleanly between real-time cycles.
        if (!changed && played.load() >= changeAt) {
            changed = true;
            if (freewheel) jack_set_freewheel(player, 0);
            jack_set_buffer_size(player, newPeriod);
            if (freewheel) jack_set_freewheel(player, 1);
        }
        std::this_thread::sleep_for(1ms);
    }
    if (freewheel) jack_set_freewheel(player, 0);
    armed = false;
    return recorded.load() >= signal.size();
}

void JackTestClient::loop(const std::vector<float>& audio) {
    signal = audio;
    played = 0;
    looping = true;
    armed = true;
}

void JackTestClient::stopLoop() {
    armed = false;
    looping = false;
}

std::vector<uint32_t> JackTestClient::periodSizes() const {
    std::vector<uint32_t> sizes;
    for (const auto& size : sizesSeen)
        if (size.load() != 0) sizes.push_back(size.load());
    return sizes;
}

int JackTestClient::onPlay(jack_nframes_t frames, void* self) {
    return static_cast<JackTestClient*>(self)->playPeriod(frames);
}

int JackTestClient::onRecord(jack_nframes_t frames, void* self) {
    return static_cast<JackTestClient*>(self)->recordPeriod(frames);
}

int JackTestClient::playPeriod(jack_nframes_t frames) {
    auto* samples = static_cast<float*>(jack_port_get_buffer(out, frames));
    void* midi = jack_port_get_buffer(midiOut, frames);
    jack_midi_clear_buffer(midi);
    std::fill(samples, samples + frames, 0.0f);
    if (!armed.load() || signal.empty()) return 0;
    for (auto& size : sizesSeen) {
        uint32_t expected = 0;
        if (size.load() == frames || size.compare_exchange_strong(expected, frames)) break;
    }
    if (!started.load()) {
        startFrame = jack_last_frame_time(player);
        started = true;
    }
    const size_t at = played.load();
    for (jack_nframes_t i = 0; i < frames; ++i) {
        const size_t k = at + i;
        if (looping.load())
            samples[i] = signal[k % signal.size()];
        else if (k < signal.size())
            samples[i] = signal[k];
    }
    while (nextProgram < programs.size() && programs[nextProgram].first < at + frames) {
        const size_t frame = programs[nextProgram].first;
        const jack_midi_data_t change[2] = {0xC0, programs[nextProgram].second};
        jack_midi_event_write(midi, frame > at ? static_cast<jack_nframes_t>(frame - at) : 0,
                              change, 2);
        ++nextProgram;
    }
    played = at + frames;
    return 0;
}

int JackTestClient::recordPeriod(jack_nframes_t frames) {
    const auto* left = static_cast<const float*>(jack_port_get_buffer(inLeft, frames));
    const auto* right = static_cast<const float*>(jack_port_get_buffer(inRight, frames));
    float loudest = outputPeak.load();
    for (jack_nframes_t i = 0; i < frames; ++i)
        loudest = std::max(loudest, std::fabs(left[i]));
    outputPeak = loudest;
    if (!started.load() || looping.load() || jack_last_frame_time(recorder) < startFrame.load())
        return 0;
    const size_t at = recorded.load();
    const size_t count = std::min<size_t>(frames, recordedLeft.size() - at);
    std::copy(left, left + count, recordedLeft.begin() + static_cast<std::ptrdiff_t>(at));
    std::copy(right, right + count, recordedRight.begin() + static_cast<std::ptrdiff_t>(at));
    recorded = at + count;
    return 0;
}

} // namespace gravelo::test::standalone
