// The CLAP 1.x plug-in interface as this project uses it: records, function
// tables, identifiers and constants, written from the interface's published
// facts. Plain C records with C linkage; flag and type fields stay fixed-width
// integers. The static_asserts at the end pin every layout for the build's
// word size (64-bit, 32-bit Windows and 32-bit Linux differ).
//
// Thread tags used below: [main] the host's main thread, [audio] the audio
// thread role, [any] thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define CLAP_ABI __cdecl
#else
#define CLAP_ABI
#endif

#if defined(_WIN32)
#define CLAP_EXPORT __attribute__((dllexport))
#else
#define CLAP_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

// ---- Basics -------------------------------------------------------------

struct clap_version {
    uint32_t major;
    uint32_t minor;
    uint32_t revision;
};

// Any 1.x is compatible with any other; 0.x was the development series.
inline bool clap_version_is_compatible(clap_version v) {
    return v.major >= 1;
}

constexpr clap_version kClapVersion = {1, 2, 0};

constexpr size_t CLAP_NAME_SIZE = 256;
constexpr size_t CLAP_PATH_SIZE = 1024;

using clap_id = uint32_t;
constexpr clap_id CLAP_INVALID_ID = UINT32_MAX;

// ---- Entry, factory, descriptor -----------------------------------------

struct clap_plugin_entry {
    ::clap_version clap_version;
    bool(CLAP_ABI* init)(const char* plugin_path); // before anything else; repeatable
    void(CLAP_ABI* deinit)();
    const void*(CLAP_ABI* get_factory)(const char* factory_id); // [any]
};

constexpr const char* CLAP_PLUGIN_FACTORY_ID = "clap.plugin-factory";

struct clap_plugin_descriptor {
    ::clap_version clap_version;
    const char* id;
    const char* name;
    const char* vendor;
    const char* url;
    const char* manual_url;
    const char* support_url;
    const char* version;
    const char* description;
    const char* const* features; // ends with a null pointer
};

struct clap_host;
struct clap_plugin;

struct clap_plugin_factory { // every entry [any]
    uint32_t(CLAP_ABI* get_plugin_count)(const clap_plugin_factory* factory);
    const clap_plugin_descriptor*(CLAP_ABI* get_plugin_descriptor)(
        const clap_plugin_factory* factory, uint32_t index);
    const clap_plugin*(CLAP_ABI* create_plugin)(const clap_plugin_factory* factory,
                                                const clap_host* host, const char* plugin_id);
};

// ---- Host and plug-in objects -------------------------------------------

struct clap_host {
    ::clap_version clap_version;
    void* host_data;
    const char* name;
    const char* vendor;
    const char* url;
    const char* version;
    const void*(CLAP_ABI* get_extension)(const clap_host* host, const char* extension_id); // [any]
    void(CLAP_ABI* request_restart)(const clap_host* host);                                // [any]
    void(CLAP_ABI* request_process)(const clap_host* host);                                // [any]
    void(CLAP_ABI* request_callback)(const clap_host* host);                               // [any]
};

struct clap_process;
using clap_process_status = int32_t;
constexpr clap_process_status CLAP_PROCESS_ERROR = 0;
constexpr clap_process_status CLAP_PROCESS_CONTINUE = 1;
constexpr clap_process_status CLAP_PROCESS_CONTINUE_IF_NOT_QUIET = 2;
constexpr clap_process_status CLAP_PROCESS_TAIL = 3;
constexpr clap_process_status CLAP_PROCESS_SLEEP = 4;

struct clap_plugin {
    const clap_plugin_descriptor* desc;
    void* plugin_data;
    bool(CLAP_ABI* init)(const clap_plugin* plugin);    // [main]
    void(CLAP_ABI* destroy)(const clap_plugin* plugin); // [main]
    bool(CLAP_ABI* activate)(const clap_plugin* plugin, double sample_rate,
                             uint32_t min_frames_count, uint32_t max_frames_count); // [main]
    void(CLAP_ABI* deactivate)(const clap_plugin* plugin);                          // [main]
    bool(CLAP_ABI* start_processing)(const clap_plugin* plugin);                    // [audio]
    void(CLAP_ABI* stop_processing)(const clap_plugin* plugin);                     // [audio]
    void(CLAP_ABI* reset)(const clap_plugin* plugin);                               // [audio]
    clap_process_status(CLAP_ABI* process)(const clap_plugin* plugin,
                                           const clap_process* process);             // [audio]
    const void*(CLAP_ABI* get_extension)(const clap_plugin* plugin, const char* id); // [any]
    void(CLAP_ABI* on_main_thread)(const clap_plugin* plugin);                       // [main]
};

// ---- Events -------------------------------------------------------------

struct clap_event_header {
    uint32_t size; // of the whole event
    uint32_t time; // frame within the block
    uint16_t space_id;
    uint16_t type;
    uint32_t flags;
};

constexpr uint16_t CLAP_CORE_EVENT_SPACE_ID = 0;
constexpr uint32_t CLAP_EVENT_IS_LIVE = 1;
constexpr uint32_t CLAP_EVENT_DONT_RECORD = 2;

constexpr uint16_t CLAP_EVENT_NOTE_ON = 0;
constexpr uint16_t CLAP_EVENT_NOTE_OFF = 1;
constexpr uint16_t CLAP_EVENT_NOTE_CHOKE = 2;
constexpr uint16_t CLAP_EVENT_NOTE_END = 3;
constexpr uint16_t CLAP_EVENT_NOTE_EXPRESSION = 4;
constexpr uint16_t CLAP_EVENT_PARAM_VALUE = 5;
constexpr uint16_t CLAP_EVENT_PARAM_MOD = 6;
constexpr uint16_t CLAP_EVENT_PARAM_GESTURE_BEGIN = 7;
constexpr uint16_t CLAP_EVENT_PARAM_GESTURE_END = 8;
constexpr uint16_t CLAP_EVENT_TRANSPORT = 9;
constexpr uint16_t CLAP_EVENT_MIDI = 10;
constexpr uint16_t CLAP_EVENT_MIDI_SYSEX = 11;
constexpr uint16_t CLAP_EVENT_MIDI2 = 12;

// PARAM_VALUE (plain value) and PARAM_MOD (offset in plain units).
struct clap_event_param_value {
    clap_event_header header;
    clap_id param_id;
    void* cookie;
    int32_t note_id; // -1 = any
    int16_t port_index;
    int16_t channel;
    int16_t key;
    double value;
};

struct clap_event_param_mod {
    clap_event_header header;
    clap_id param_id;
    void* cookie;
    int32_t note_id;
    int16_t port_index;
    int16_t channel;
    int16_t key;
    double amount;
};

struct clap_event_param_gesture {
    clap_event_header header;
    clap_id param_id;
};

struct clap_event_note {
    clap_event_header header;
    int32_t note_id;
    int16_t port_index;
    int16_t channel;
    int16_t key;
    double velocity;
};

struct clap_event_midi {
    clap_event_header header;
    uint16_t port_index;
    uint8_t data[3];
};

using clap_beattime = int64_t;
using clap_sectime = int64_t;

struct clap_event_transport {
    clap_event_header header;
    uint32_t flags;
    clap_beattime song_pos_beats;
    clap_sectime song_pos_seconds;
    double tempo;
    double tempo_inc;
    clap_beattime loop_start_beats;
    clap_beattime loop_end_beats;
    clap_sectime loop_start_seconds;
    clap_sectime loop_end_seconds;
    clap_beattime bar_start;
    int32_t bar_number;
    uint16_t tsig_num;
    uint16_t tsig_denom;
};

struct clap_input_events { // host-owned, sorted by time
    void* ctx;
    uint32_t(CLAP_ABI* size)(const clap_input_events* list);
    const clap_event_header*(CLAP_ABI* get)(const clap_input_events* list, uint32_t index);
};

struct clap_output_events { // host-owned; copies header.size bytes
    void* ctx;
    bool(CLAP_ABI* try_push)(const clap_output_events* list, const clap_event_header* event);
};

// ---- Processing ---------------------------------------------------------

struct clap_audio_buffer {
    float** data32;
    double** data64;
    uint32_t channel_count;
    uint32_t latency;
    uint64_t constant_mask;
};

struct clap_process {
    int64_t steady_time; // -1 if unknown
    uint32_t frames_count;
    const clap_event_transport* transport; // null when free-running
    const clap_audio_buffer* audio_inputs;
    clap_audio_buffer* audio_outputs;
    uint32_t audio_inputs_count;
    uint32_t audio_outputs_count;
    const clap_input_events* in_events;
    const clap_output_events* out_events;
};

// ---- Audio ports --------------------------------------------------------

constexpr const char* CLAP_EXT_AUDIO_PORTS = "clap.audio-ports";
constexpr const char* CLAP_PORT_MONO = "mono";
constexpr const char* CLAP_PORT_STEREO = "stereo";

constexpr uint32_t CLAP_AUDIO_PORT_IS_MAIN = 1;
constexpr uint32_t CLAP_AUDIO_PORT_SUPPORTS_64BITS = 2;
constexpr uint32_t CLAP_AUDIO_PORT_PREFERS_64BITS = 4;
constexpr uint32_t CLAP_AUDIO_PORT_REQUIRES_COMMON_SAMPLE_SIZE = 8;

struct clap_audio_port_info {
    clap_id id;
    char name[CLAP_NAME_SIZE];
    uint32_t flags;
    uint32_t channel_count;
    const char* port_type;
    clap_id in_place_pair;
};

struct clap_plugin_audio_ports { // [main]
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin, bool is_input);
    bool(CLAP_ABI* get)(const clap_plugin* plugin, uint32_t index, bool is_input,
                        clap_audio_port_info* info);
};

struct clap_host_audio_ports { // [main]
    bool(CLAP_ABI* is_rescan_flag_supported)(const clap_host* host, uint32_t flag);
    void(CLAP_ABI* rescan)(const clap_host* host, uint32_t flags);
};

// ---- Parameters ---------------------------------------------------------

constexpr const char* CLAP_EXT_PARAMS = "clap.params";

constexpr uint32_t CLAP_PARAM_IS_STEPPED = 1;
constexpr uint32_t CLAP_PARAM_IS_PERIODIC = 2;
constexpr uint32_t CLAP_PARAM_IS_HIDDEN = 4;
constexpr uint32_t CLAP_PARAM_IS_READONLY = 8;
constexpr uint32_t CLAP_PARAM_IS_BYPASS = 16;
constexpr uint32_t CLAP_PARAM_IS_AUTOMATABLE = 32;
constexpr uint32_t CLAP_PARAM_IS_MODULATABLE = 1024;
constexpr uint32_t CLAP_PARAM_REQUIRES_PROCESS = 32768;
constexpr uint32_t CLAP_PARAM_IS_ENUM = 65536;

constexpr uint32_t CLAP_PARAM_RESCAN_VALUES = 1;
constexpr uint32_t CLAP_PARAM_RESCAN_TEXT = 2;
constexpr uint32_t CLAP_PARAM_RESCAN_INFO = 4;
constexpr uint32_t CLAP_PARAM_RESCAN_ALL = 8;

struct clap_param_info {
    clap_id id;
    uint32_t flags;
    void* cookie;
    char name[CLAP_NAME_SIZE];
    char module[CLAP_PATH_SIZE];
    double min_value;
    double max_value;
    double default_value;
};

struct clap_plugin_params {
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin); // [main]
    bool(CLAP_ABI* get_info)(const clap_plugin* plugin, uint32_t param_index,
                             clap_param_info* info);                                     // [main]
    bool(CLAP_ABI* get_value)(const clap_plugin* plugin, clap_id param_id, double* out); // [main]
    bool(CLAP_ABI* value_to_text)(const clap_plugin* plugin, clap_id param_id, double value,
                                  char* out_buffer, uint32_t out_buffer_capacity); // [main]
    bool(CLAP_ABI* text_to_value)(const clap_plugin* plugin, clap_id param_id,
                                  const char* param_value_text, double* out_value); // [main]
    // [main] while inactive, [audio] while active; never during process.
    void(CLAP_ABI* flush)(const clap_plugin* plugin, const clap_input_events* in,
                          const clap_output_events* out);
};

struct clap_host_params {
    void(CLAP_ABI* rescan)(const clap_host* host, uint32_t flags);                  // [main]
    void(CLAP_ABI* clear)(const clap_host* host, clap_id param_id, uint32_t flags); // [main]
    void(CLAP_ABI* request_flush)(const clap_host* host); // [any, not audio]
};

// ---- State --------------------------------------------------------------

constexpr const char* CLAP_EXT_STATE = "clap.state";

struct clap_istream {
    void* ctx;
    // > 0 bytes read, 0 end of stream, -1 error.
    int64_t(CLAP_ABI* read)(const clap_istream* stream, void* buffer, uint64_t size);
};

struct clap_ostream {
    void* ctx;
    // >= 0 bytes written (possibly fewer than asked), -1 error.
    int64_t(CLAP_ABI* write)(const clap_ostream* stream, const void* buffer, uint64_t size);
};

struct clap_plugin_state { // [main]
    bool(CLAP_ABI* save)(const clap_plugin* plugin, const clap_ostream* stream);
    bool(CLAP_ABI* load)(const clap_plugin* plugin, const clap_istream* stream);
};

struct clap_host_state { // [main]
    void(CLAP_ABI* mark_dirty)(const clap_host* host);
};

// ---- GUI ----------------------------------------------------------------

constexpr const char* CLAP_EXT_GUI = "clap.gui";
constexpr const char* CLAP_WINDOW_API_WIN32 = "win32";
constexpr const char* CLAP_WINDOW_API_COCOA = "cocoa";
constexpr const char* CLAP_WINDOW_API_X11 = "x11";
constexpr const char* CLAP_WINDOW_API_WAYLAND = "wayland";

using clap_hwnd = void*;
using clap_nsview = void*;
using clap_uiview = void*;
using clap_xwnd = unsigned long;

struct clap_window {
    const char* api;
    union {
        clap_nsview cocoa;
        clap_uiview uikit;
        clap_xwnd x11;
        clap_hwnd win32;
        void* ptr;
    };
};

struct clap_gui_resize_hints {
    bool can_resize_horizontally;
    bool can_resize_vertically;
    bool preserve_aspect_ratio;
    uint32_t aspect_ratio_width;
    uint32_t aspect_ratio_height;
};

struct clap_plugin_gui { // every entry [main]
    bool(CLAP_ABI* is_api_supported)(const clap_plugin* plugin, const char* api, bool is_floating);
    bool(CLAP_ABI* get_preferred_api)(const clap_plugin* plugin, const char** api,
                                      bool* is_floating);
    bool(CLAP_ABI* create)(const clap_plugin* plugin, const char* api, bool is_floating);
    void(CLAP_ABI* destroy)(const clap_plugin* plugin);
    bool(CLAP_ABI* set_scale)(const clap_plugin* plugin, double scale);
    bool(CLAP_ABI* get_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool(CLAP_ABI* can_resize)(const clap_plugin* plugin);
    bool(CLAP_ABI* get_resize_hints)(const clap_plugin* plugin, clap_gui_resize_hints* hints);
    bool(CLAP_ABI* adjust_size)(const clap_plugin* plugin, uint32_t* width, uint32_t* height);
    bool(CLAP_ABI* set_size)(const clap_plugin* plugin, uint32_t width, uint32_t height);
    bool(CLAP_ABI* set_parent)(const clap_plugin* plugin, const clap_window* window);
    bool(CLAP_ABI* set_transient)(const clap_plugin* plugin, const clap_window* window);
    void(CLAP_ABI* suggest_title)(const clap_plugin* plugin, const char* title);
    bool(CLAP_ABI* show)(const clap_plugin* plugin);
    bool(CLAP_ABI* hide)(const clap_plugin* plugin);
};

struct clap_host_gui { // every entry [any]
    void(CLAP_ABI* resize_hints_changed)(const clap_host* host);
    bool(CLAP_ABI* request_resize)(const clap_host* host, uint32_t width, uint32_t height);
    bool(CLAP_ABI* request_show)(const clap_host* host);
    bool(CLAP_ABI* request_hide)(const clap_host* host);
    void(CLAP_ABI* closed)(const clap_host* host, bool was_destroyed);
};

// ---- Timers and file descriptors (main thread) --------------------------

constexpr const char* CLAP_EXT_TIMER_SUPPORT = "clap.timer-support";

struct clap_plugin_timer_support {
    void(CLAP_ABI* on_timer)(const clap_plugin* plugin, clap_id timer_id);
};

struct clap_host_timer_support {
    bool(CLAP_ABI* register_timer)(const clap_host* host, uint32_t period_ms, clap_id* timer_id);
    bool(CLAP_ABI* unregister_timer)(const clap_host* host, clap_id timer_id);
};

constexpr const char* CLAP_EXT_POSIX_FD_SUPPORT = "clap.posix-fd-support";
constexpr uint32_t CLAP_POSIX_FD_READ = 1;
constexpr uint32_t CLAP_POSIX_FD_WRITE = 2;
constexpr uint32_t CLAP_POSIX_FD_ERROR = 4;

struct clap_plugin_posix_fd_support {
    void(CLAP_ABI* on_fd)(const clap_plugin* plugin, int fd, uint32_t flags);
};

struct clap_host_posix_fd_support {
    bool(CLAP_ABI* register_fd)(const clap_host* host, int fd, uint32_t flags);
    bool(CLAP_ABI* modify_fd)(const clap_host* host, int fd, uint32_t flags);
    bool(CLAP_ABI* unregister_fd)(const clap_host* host, int fd);
};

// ---- Latency, tail and remote controls (main thread) ---------------------

constexpr const char* CLAP_EXT_LATENCY = "clap.latency";

struct clap_plugin_latency { // [main], while being activated or active
    uint32_t(CLAP_ABI* get)(const clap_plugin* plugin);
};

constexpr const char* CLAP_EXT_TAIL = "clap.tail";

struct clap_plugin_tail { // [main, audio]; INT32_MAX or more: infinite
    uint32_t(CLAP_ABI* get)(const clap_plugin* plugin);
};

constexpr const char* CLAP_EXT_REMOTE_CONTROLS = "clap.remote-controls/2";
constexpr const char* CLAP_EXT_REMOTE_CONTROLS_COMPAT = "clap.remote-controls.draft/2";
constexpr uint32_t CLAP_REMOTE_CONTROLS_COUNT = 8;

struct clap_remote_controls_page {
    char section_name[CLAP_NAME_SIZE];
    clap_id page_id;
    char page_name[CLAP_NAME_SIZE];
    clap_id param_ids[CLAP_REMOTE_CONTROLS_COUNT]; // CLAP_INVALID_ID for an empty slot
    bool is_for_preset;
};

struct clap_plugin_remote_controls { // [main]
    uint32_t(CLAP_ABI* count)(const clap_plugin* plugin);
    bool(CLAP_ABI* get)(const clap_plugin* plugin, uint32_t page_index,
                        clap_remote_controls_page* page);
};

// ---- Host services ------------------------------------------------------

constexpr const char* CLAP_EXT_THREAD_CHECK = "clap.thread-check";

struct clap_host_thread_check { // [any]
    bool(CLAP_ABI* is_main_thread)(const clap_host* host);
    bool(CLAP_ABI* is_audio_thread)(const clap_host* host);
};

constexpr const char* CLAP_EXT_LOG = "clap.log";
using clap_log_severity = int32_t;
constexpr clap_log_severity CLAP_LOG_DEBUG = 0;
constexpr clap_log_severity CLAP_LOG_INFO = 1;
constexpr clap_log_severity CLAP_LOG_WARNING = 2;
constexpr clap_log_severity CLAP_LOG_ERROR = 3;
constexpr clap_log_severity CLAP_LOG_FATAL = 4;
constexpr clap_log_severity CLAP_LOG_HOST_MISBEHAVING = 5;
constexpr clap_log_severity CLAP_LOG_PLUGIN_MISBEHAVING = 6;

struct clap_host_log { // [any], never from process
    void(CLAP_ABI* log)(const clap_host* host, clap_log_severity severity, const char* msg);
};

} // extern "C"

// ---- Layout checks --------------------------------------------------------

namespace gravelo::clap::layout {

constexpr bool k64 = sizeof(void*) == 8;
#if defined(_WIN32)
constexpr bool kWin32Bit = !k64;
#else
constexpr bool kWin32Bit = false;
#endif
// 32-bit Linux aligns 64-bit fields to 4 inside records.
constexpr bool kLinux32Bit = !k64 && !kWin32Bit;

constexpr size_t pick(size_t bits64, size_t win32, size_t linux32) {
    return k64 ? bits64 : kWin32Bit ? win32 : linux32;
}
constexpr size_t table(size_t entries) {
    return entries * sizeof(void*);
}

static_assert(sizeof(clap_version) == 12 && alignof(clap_version) == 4);
static_assert(sizeof(clap_plugin_entry) == pick(40, 24, 24));
static_assert(offsetof(clap_plugin_entry, init) == pick(16, 12, 12));
static_assert(offsetof(clap_plugin_entry, get_factory) == pick(32, 20, 20));
static_assert(sizeof(clap_plugin_factory) == table(3));
static_assert(sizeof(clap_plugin_descriptor) == pick(88, 48, 48));
static_assert(offsetof(clap_plugin_descriptor, id) == pick(16, 12, 12));
static_assert(offsetof(clap_plugin_descriptor, features) == pick(80, 44, 44));
static_assert(sizeof(clap_host) == pick(88, 48, 48));
static_assert(offsetof(clap_host, get_extension) == pick(56, 32, 32));
static_assert(offsetof(clap_host, request_callback) == pick(80, 44, 44));
static_assert(sizeof(clap_plugin) == pick(96, 48, 48));
static_assert(offsetof(clap_plugin, process) == pick(72, 36, 36));
static_assert(offsetof(clap_plugin, on_main_thread) == pick(88, 44, 44));

static_assert(sizeof(clap_process) == pick(64, 40, 40));
static_assert(offsetof(clap_process, frames_count) == 8);
static_assert(offsetof(clap_process, transport) == pick(16, 12, 12));
static_assert(offsetof(clap_process, audio_inputs_count) == pick(40, 24, 24));
static_assert(offsetof(clap_process, out_events) == pick(56, 36, 36));
static_assert(sizeof(clap_audio_buffer) == pick(32, 24, 24));
static_assert(offsetof(clap_audio_buffer, channel_count) == pick(16, 8, 8));
static_assert(offsetof(clap_audio_buffer, constant_mask) == pick(24, 16, 16));

static_assert(sizeof(clap_event_header) == 16 && alignof(clap_event_header) == 4);
static_assert(offsetof(clap_event_header, space_id) == 8);
static_assert(offsetof(clap_event_header, type) == 10);
static_assert(offsetof(clap_event_header, flags) == 12);
static_assert(sizeof(clap_event_param_value) == pick(56, 48, 44));
static_assert(sizeof(clap_event_param_mod) == sizeof(clap_event_param_value));
static_assert(offsetof(clap_event_param_value, param_id) == 16);
static_assert(offsetof(clap_event_param_value, cookie) == pick(24, 20, 20));
static_assert(offsetof(clap_event_param_value, value) == pick(48, 40, 36));
static_assert(offsetof(clap_event_param_mod, amount) == offsetof(clap_event_param_value, value));
static_assert(sizeof(clap_event_param_gesture) == 20);
static_assert(sizeof(clap_event_note) == pick(40, 40, 36));
static_assert(sizeof(clap_event_midi) == 24);
static_assert(offsetof(clap_event_midi, data) == 18);
static_assert(sizeof(clap_event_transport) == pick(104, 104, 100));
static_assert(offsetof(clap_event_transport, tempo) == pick(40, 40, 36));
static_assert(offsetof(clap_event_transport, bar_number) == pick(96, 96, 92));
static_assert(sizeof(clap_input_events) == table(3));
static_assert(sizeof(clap_output_events) == table(2));

static_assert(sizeof(clap_audio_port_info) == pick(288, 276, 276));
static_assert(offsetof(clap_audio_port_info, flags) == 260);
static_assert(offsetof(clap_audio_port_info, port_type) == pick(272, 268, 268));
static_assert(offsetof(clap_audio_port_info, in_place_pair) == pick(280, 272, 272));
static_assert(sizeof(clap_param_info) == pick(1320, 1320, 1316));
static_assert(offsetof(clap_param_info, name) == pick(16, 12, 12));
static_assert(offsetof(clap_param_info, module) == pick(272, 268, 268));
static_assert(offsetof(clap_param_info, min_value) == pick(1296, 1296, 1292));
static_assert(offsetof(clap_param_info, default_value) == pick(1312, 1312, 1308));
static_assert(sizeof(clap_istream) == table(2) && sizeof(clap_ostream) == table(2));
static_assert(sizeof(clap_window) == table(2));
static_assert(sizeof(clap_gui_resize_hints) == 12);
static_assert(offsetof(clap_gui_resize_hints, aspect_ratio_width) == 4);

static_assert(sizeof(clap_plugin_audio_ports) == table(2));
static_assert(sizeof(clap_host_audio_ports) == table(2));
static_assert(sizeof(clap_plugin_params) == table(6));
static_assert(sizeof(clap_host_params) == table(3));
static_assert(sizeof(clap_plugin_state) == table(2));
static_assert(sizeof(clap_host_state) == table(1));
static_assert(sizeof(clap_plugin_gui) == table(15));
static_assert(sizeof(clap_host_gui) == table(5));
static_assert(sizeof(clap_plugin_timer_support) == table(1));
static_assert(sizeof(clap_host_timer_support) == table(2));
static_assert(sizeof(clap_plugin_posix_fd_support) == table(1));
static_assert(sizeof(clap_host_posix_fd_support) == table(3));
static_assert(sizeof(clap_plugin_latency) == table(1));
static_assert(sizeof(clap_plugin_tail) == table(1));
static_assert(sizeof(clap_remote_controls_page) == 552);
static_assert(offsetof(clap_remote_controls_page, page_id) == 256);
static_assert(offsetof(clap_remote_controls_page, page_name) == 260);
static_assert(offsetof(clap_remote_controls_page, param_ids) == 516);
static_assert(offsetof(clap_remote_controls_page, is_for_preset) == 548);
static_assert(sizeof(clap_plugin_remote_controls) == table(2));
static_assert(sizeof(clap_host_thread_check) == table(2));
static_assert(sizeof(clap_host_log) == table(1));

} // namespace gravelo::clap::layout
