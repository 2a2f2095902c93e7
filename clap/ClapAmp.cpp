#include "clap/ClapAmp.h"

#include "clap/ClapGui.h"

#include <cstring>
#include <new>

namespace gravelo::clap {

namespace {

template <class Table> const Table* hostExtension(const clap_host* host, const char* id) {
    if (host->get_extension == nullptr) return nullptr;
    return static_cast<const Table*>(host->get_extension(host, id));
}

} // namespace

ClapAmp::ClapAmp(const clap_host* owner) : host(owner), object{} {
    object.desc = descriptor();
    object.plugin_data = this;
    object.init = init;
    object.destroy = destroy;
    object.activate = activate;
    object.deactivate = deactivate;
    object.start_processing = startProcessing;
    object.stop_processing = stopProcessing;
    object.reset = reset;
    object.process = process;
    object.get_extension = getExtension;
    object.on_main_thread = onMainThread;
}

ClapAmp::~ClapAmp() = default;

const clap_plugin* ClapAmp::create(const clap_host* host) {
    if (host == nullptr || !clap_version_is_compatible(host->clap_version)) return nullptr;
    try {
        return (new ClapAmp(host))->plugin();
    } catch (...) {
        return nullptr;
    }
}

ClapAmp* ClapAmp::from(const clap_plugin* plugin) {
    return plugin != nullptr ? static_cast<ClapAmp*>(plugin->plugin_data) : nullptr;
}

bool ClapAmp::init(const clap_plugin* plugin) {
    ClapAmp* self = from(plugin);
    if (self == nullptr) return false;
    const clap_host* h = self->host;
    self->hostExtensions.params = hostExtension<clap_host_params>(h, CLAP_EXT_PARAMS);
    self->hostExtensions.timers = hostExtension<clap_host_timer_support>(h, CLAP_EXT_TIMER_SUPPORT);
    self->hostExtensions.fds =
        hostExtension<clap_host_posix_fd_support>(h, CLAP_EXT_POSIX_FD_SUPPORT);
    self->hostExtensions.gui = hostExtension<clap_host_gui>(h, CLAP_EXT_GUI);
    return true;
}

// A host that skipped a step is tidied up after: the GUI closed, processing
// stopped and the instance deactivated before it goes.
void ClapAmp::destroy(const clap_plugin* plugin) {
    ClapAmp* self = from(plugin);
    if (self == nullptr) return;
    self->gui.reset();
    self->processing.store(false, std::memory_order_release);
    self->amp.deactivate();
    delete self;
}

bool ClapAmp::activate(const clap_plugin* plugin, double sampleRate, uint32_t /*minFrames*/,
                       uint32_t maxFrames) {
    ClapAmp* self = from(plugin);
    return self != nullptr && self->amp.activate(sampleRate, maxFrames);
}

void ClapAmp::deactivate(const clap_plugin* plugin) {
    if (ClapAmp* self = from(plugin)) {
        self->processing.store(false, std::memory_order_release);
        self->amp.deactivate();
    }
}

bool ClapAmp::startProcessing(const clap_plugin* plugin) {
    ClapAmp* self = from(plugin);
    if (self == nullptr || !self->amp.active()) return false;
    self->processing.store(true, std::memory_order_release);
    return true;
}

void ClapAmp::stopProcessing(const clap_plugin* plugin) {
    if (ClapAmp* self = from(plugin)) self->processing.store(false, std::memory_order_release);
}

void ClapAmp::reset(const clap_plugin* plugin) {
    if (ClapAmp* self = from(plugin)) self->amp.reset();
}

clap_process_status ClapAmp::process(const clap_plugin* plugin, const clap_process* block) {
    ClapAmp* self = from(plugin);
    if (self == nullptr || block == nullptr || !self->amp.active()) return CLAP_PROCESS_ERROR;
    return processBlock(*self, *block);
}

const void* ClapAmp::getExtension(const clap_plugin* plugin, const char* id) {
    if (from(plugin) == nullptr || id == nullptr) return nullptr;
    if (std::strcmp(id, CLAP_EXT_AUDIO_PORTS) == 0) return audioPortsExtension();
    if (std::strcmp(id, CLAP_EXT_PARAMS) == 0) return paramsExtension();
    if (std::strcmp(id, CLAP_EXT_STATE) == 0) return stateExtension();
    if (std::strcmp(id, CLAP_EXT_GUI) == 0) return guiExtension();
    if (std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return timerExtension();
    if (std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0) return fdExtension();
    if (std::strcmp(id, CLAP_EXT_LATENCY) == 0) return latencyExtension();
    if (std::strcmp(id, CLAP_EXT_TAIL) == 0) return tailExtension();
    if (std::strcmp(id, CLAP_EXT_REMOTE_CONTROLS) == 0 ||
        std::strcmp(id, CLAP_EXT_REMOTE_CONTROLS_COMPAT) == 0)
        return remoteControlsExtension();
    return nullptr;
}

void ClapAmp::onMainThread(const clap_plugin* /*plugin*/) {}

bool ClapAmp::controlChange(const clap_event_header* event, int& control, double& value) {
    if (event == nullptr || event->space_id != CLAP_CORE_EVENT_SPACE_ID ||
        event->type != CLAP_EVENT_PARAM_VALUE || event->size < sizeof(clap_event_param_value))
        return false;
    const auto* change = reinterpret_cast<const clap_event_param_value*>(event);
    if (change->param_id >= static_cast<clap_id>(instance::AmpInstance::kControlCount))
        return false;
    control = static_cast<int>(change->param_id);
    value = change->value;
    return true;
}

void ClapAmp::applyHostEvent(const clap_event_header* event) {
    int control = 0;
    double value = 0.0;
    if (controlChange(event, control, value)) amp.setControl(control, value);
}

void ClapAmp::sendEditorRecords(const clap_output_events* out) {
    if (out == nullptr || out->try_push == nullptr) return;
    EditorRecord record;
    while (editorQueue.peek(record)) {
        bool taken = false;
        if (record.kind == EditorRecord::Value) {
            clap_event_param_value event{};
            event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE,
                            CLAP_EVENT_IS_LIVE};
            event.param_id = record.control;
            event.note_id = -1;
            event.port_index = event.channel = event.key = -1;
            event.value = record.value;
            taken = out->try_push(out, &event.header);
        } else {
            clap_event_param_gesture event{};
            const uint16_t type = record.kind == EditorRecord::GestureBegin
                                      ? CLAP_EVENT_PARAM_GESTURE_BEGIN
                                      : CLAP_EVENT_PARAM_GESTURE_END;
            event.header = {sizeof event, 0, CLAP_CORE_EVENT_SPACE_ID, type, CLAP_EVENT_IS_LIVE};
            event.param_id = record.control;
            taken = out->try_push(out, &event.header);
        }
        if (!taken) return; // the host is full: the rest goes with the next block
        editorQueue.pop();
    }
}

void ClapAmp::editorRecordsQueued() {
    const clap_host_params* params = hostExtensions.params;
    if (!isProcessing() && params != nullptr && params->request_flush != nullptr)
        params->request_flush(host);
}

} // namespace gravelo::clap
