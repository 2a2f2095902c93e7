#include "standalone/JackAmp.h"

#include <jack/midiport.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace gravelo::standalone {

namespace {

constexpr uint8_t kProgramChange = 0xC0;
constexpr auto kHoldWait = std::chrono::seconds(2);

// libjack reports its own failures on standard error; this program says
// what went wrong in one line of its own.
void quiet(const char*) {}

jack_port_t* registerPort(jack_client_t* client, const char* name, const char* type,
                          unsigned long flags) {
    jack_port_t* port = jack_port_register(client, name, type, flags, 0);
    if (port == nullptr) throw JackError(std::string("JACK refused the port '") + name + "'");
    return port;
}

// The first physical ports of a direction; the list is libjack's to free.
std::vector<std::string> physicalPorts(jack_client_t* client, unsigned long direction) {
    std::vector<std::string> names;
    const char** ports =
        jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE, JackPortIsPhysical | direction);
    for (size_t i = 0; ports != nullptr && ports[i] != nullptr; ++i)
        names.emplace_back(ports[i]);
    jack_free(ports);
    return names;
}

} // namespace

JackAmp::JackAmp(const std::string& clientName, instance::AmpInstance& instance,
                 const ProgramTable& table, InputPeak& inputPeak)
    : amp(instance), programs(table), peak(inputPeak) {
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status{};
    client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    if (client == nullptr) {
        if ((status & JackServerFailed) != 0) throw NoJackServer();
        throw JackError("JACK refused the client '" + clientName + "' (status 0x" + [&] {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(status));
            return std::string(hex);
        }() + ")");
    }
    name = jack_get_client_name(client);
    try {
        inPort = registerPort(client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput);
        leftPort = registerPort(client, "out_left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
        rightPort = registerPort(client, "out_right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
        midiPort = registerPort(client, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    } catch (...) {
        jack_client_close(client);
        throw;
    }
    jack_set_process_callback(client, onProcess, this);
    jack_set_sample_rate_callback(client, onSampleRate, this);
    jack_set_xrun_callback(client, onXrun, this);
    jack_on_info_shutdown(client, onShutdown, this);
}

JackAmp::~JackAmp() {
    if (!serverGone()) jack_deactivate(client);
    jack_client_close(client);
    amp.deactivate();
}

void JackAmp::start() {
    const jack_nframes_t rate = jack_get_sample_rate(client);
    serverRate.store(rate, std::memory_order_relaxed);
    if (!amp.activate(rate, kPieceFrames))
        throw JackError("the server's sample rate " + std::to_string(rate) + " Hz is not usable");
    if (jack_activate(client) != 0) throw JackError("JACK did not activate the client");
}

void JackAmp::connectPort(const std::string& from, const std::string& to,
                          std::vector<std::string>& failures) {
    const int result = jack_connect(client, from.c_str(), to.c_str());
    if (result != 0 && result != EEXIST)
        failures.push_back("could not connect " + from + " to " + to);
}

std::vector<std::string> JackAmp::connect(const std::string& input,
                                          const std::vector<std::string>& outputs) {
    std::vector<std::string> failures;
    std::string source = input;
    if (source.empty()) {
        const auto capture = physicalPorts(client, JackPortIsOutput);
        if (capture.empty())
            failures.push_back("no capture port to connect 'in' to");
        else
            source = capture.front();
    }
    if (!source.empty()) connectPort(source, jack_port_name(inPort), failures);
    std::vector<std::string> sinks = outputs;
    if (sinks.empty()) {
        sinks = physicalPorts(client, JackPortIsInput);
        if (sinks.size() < 2) failures.push_back("fewer than two playback ports to connect to");
    }
    if (sinks.size() > 0) connectPort(jack_port_name(leftPort), sinks[0], failures);
    if (sinks.size() > 1) connectPort(jack_port_name(rightPort), sinks[1], failures);
    return failures;
}

float JackAmp::dspLoad() const {
    return serverGone() ? 0.0f : jack_cpu_load(client);
}

// The audio thread acknowledges the hold in its next period; a server that
// runs no period meanwhile runs no process callback either.
bool JackAmp::holdAudio() {
    holding.store(false, std::memory_order_relaxed);
    holdRequested.store(true, std::memory_order_release);
    const auto until = std::chrono::steady_clock::now() + kHoldWait;
    while (!holding.load(std::memory_order_acquire)) {
        if (serverGone() || std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

void JackAmp::followSampleRate() {
    const uint32_t rate = serverRate.load(std::memory_order_relaxed);
    if (rate == 0 || static_cast<double>(rate) == amp.sampleRate() || serverGone()) return;
    if (holdAudio()) amp.activate(rate, kPieceFrames);
    holdRequested.store(false, std::memory_order_release);
}

int JackAmp::onProcess(jack_nframes_t frames, void* self) {
    return static_cast<JackAmp*>(self)->process(frames);
}

int JackAmp::onSampleRate(jack_nframes_t rate, void* self) {
    static_cast<JackAmp*>(self)->serverRate.store(rate, std::memory_order_relaxed);
    return 0;
}

int JackAmp::onXrun(void* self) {
    static_cast<JackAmp*>(self)->xrunCount.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

void JackAmp::onShutdown(jack_status_t, const char*, void* self) {
    static_cast<JackAmp*>(self)->gone.store(true, std::memory_order_release);
}

void JackAmp::selectProgram(size_t number) {
    const ProgramTable::Controls* controls = programs.find(number);
    if (controls == nullptr) return;
    amp.setControls(*controls);
    programSelected.store(number, std::memory_order_relaxed);
    programCount.fetch_add(1, std::memory_order_release);
}

void JackAmp::runAmp(const float* input, float* left, float* right, uint32_t from, uint32_t to) {
    while (from < to) {
        const uint32_t frames = std::min(to - from, kPieceFrames);
        const float* inputs[2] = {input + from, input + from};
        float* outputs[2] = {left + from, right + from};
        amp.process(inputs, outputs, frames);
        from += frames;
    }
}

// A Program Change takes effect at its own frame: the period is processed
// in pieces split there.
int JackAmp::process(jack_nframes_t frames) {
    const auto* input = static_cast<const float*>(jack_port_get_buffer(inPort, frames));
    auto* left = static_cast<float*>(jack_port_get_buffer(leftPort, frames));
    auto* right = static_cast<float*>(jack_port_get_buffer(rightPort, frames));
    void* midi = jack_port_get_buffer(midiPort, frames);
    if (holdRequested.load(std::memory_order_acquire)) {
        std::fill(left, left + frames, 0.0f);
        std::fill(right, right + frames, 0.0f);
        holding.store(true, std::memory_order_release);
        return 0;
    }
    holding.store(false, std::memory_order_relaxed);
    float loudest = 0.0f;
    for (jack_nframes_t i = 0; i < frames; ++i)
        loudest = std::max(loudest, std::fabs(input[i]));
    peak.note(loudest);

    uint32_t done = 0;
    const uint32_t events = jack_midi_get_event_count(midi);
    for (uint32_t e = 0; e < events; ++e) {
        jack_midi_event_t event{};
        if (jack_midi_event_get(&event, midi, e) != 0 || event.size < 2) continue;
        if ((event.buffer[0] & 0xF0) != kProgramChange) continue;
        const uint32_t at = std::min<uint32_t>(event.time, frames);
        runAmp(input, left, right, done, std::max(done, at));
        done = std::max(done, at);
        selectProgram(event.buffer[1] & 0x7F);
    }
    runAmp(input, left, right, done, frames);
    return 0;
}

} // namespace gravelo::standalone
