// The CLAP plug-in object: one amplifier instance behind the clap_plugin
// table, the host's extensions it uses, and the queue that carries the
// panel's changes to the host.
//
// Threads follow the interface: [main] for life cycle, parameters' infos,
// state and GUI; [audio] for processing and for flush while active.
#pragma once

#include "clap/ClapInterface.h"
#include "clap/EditorQueue.h"
#include "effect/Identity.h"
#include "instance/AmpInstance.h"

#include <atomic>
#include <memory>

namespace gravelo::clap {

class ClapGui;

// The host's extensions, fetched once in init.
struct HostExtensions {
    const clap_host_params* params = nullptr;
    const clap_host_timer_support* timers = nullptr;
    const clap_host_posix_fd_support* fds = nullptr;
    const clap_host_gui* gui = nullptr;
};

class ClapAmp {
  public:
    static constexpr const char* kId = identity::kClapId;

    // [any] A new instance for `host`, or null (bad host, no memory).
    static const clap_plugin* create(const clap_host* host);
    // The instance behind a plug-in pointer the host passes; null for null.
    static ClapAmp* from(const clap_plugin* plugin);

    ~ClapAmp();
    ClapAmp(const ClapAmp&) = delete;
    ClapAmp& operator=(const ClapAmp&) = delete;

    // The control and value a host event sets: a core parameter value event
    // for one of the controls; false for every other event.
    static bool controlChange(const clap_event_header* event, int& control, double& value);
    // [audio], or [main] while inactive: applies a host event that sets a
    // control; other events and unknown parameters are ignored.
    void applyHostEvent(const clap_event_header* event);
    // [audio], or [main] while inactive: the panel's queued records to the
    // host, in order, each at frame 0; what the host does not take stays.
    void sendEditorRecords(const clap_output_events* out);
    // [main] The panel queued records: ask the host for a flush when it is
    // not processing (when it is, the next process sends them).
    void editorRecordsQueued();

    const clap_plugin* plugin() const { return &object; }
    bool isProcessing() const { return processing.load(std::memory_order_acquire); }

    const clap_host* const host;
    HostExtensions hostExtensions;
    instance::AmpInstance amp;
    EditorQueue editorQueue;
    std::unique_ptr<ClapGui> gui;

  private:
    explicit ClapAmp(const clap_host* host);

    static bool CLAP_ABI init(const clap_plugin* plugin);
    static void CLAP_ABI destroy(const clap_plugin* plugin);
    static bool CLAP_ABI activate(const clap_plugin* plugin, double sampleRate, uint32_t minFrames,
                                  uint32_t maxFrames);
    static void CLAP_ABI deactivate(const clap_plugin* plugin);
    static bool CLAP_ABI startProcessing(const clap_plugin* plugin);
    static void CLAP_ABI stopProcessing(const clap_plugin* plugin);
    static void CLAP_ABI reset(const clap_plugin* plugin);
    static clap_process_status CLAP_ABI process(const clap_plugin* plugin,
                                                const clap_process* process);
    static const void* CLAP_ABI getExtension(const clap_plugin* plugin, const char* id);
    static void CLAP_ABI onMainThread(const clap_plugin* plugin);

    clap_plugin object;
    std::atomic<bool> processing{false};
};

// The extension tables (one file each).
const clap_plugin_audio_ports* audioPortsExtension();
const clap_plugin_params* paramsExtension();
const clap_plugin_state* stateExtension();
const clap_plugin_gui* guiExtension();
const clap_plugin_timer_support* timerExtension();
const clap_plugin_posix_fd_support* fdExtension();
const clap_plugin_latency* latencyExtension();
const clap_plugin_tail* tailExtension();
const clap_plugin_remote_controls* remoteControlsExtension();

// The descriptor the factory lists (ClapEntry.cpp).
const clap_plugin_descriptor* descriptor();

// The audio and events of one process call (ClapAudio.cpp).
clap_process_status processBlock(ClapAmp& self, const clap_process& process);

} // namespace gravelo::clap
