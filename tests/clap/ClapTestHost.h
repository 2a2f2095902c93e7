// A CLAP host for the tests, on the project's own interface header: loads a
// .clap library, offers the host extensions the plug-in asks for (params,
// timer support, posix fd support) while recording what it does with them,
// and gives event lists and streams that move as few bytes per call as a
// test wants. No platform types here; loading is per platform.
#pragma once

#include "clap/ClapInterface.h"
#include "vsthost/SharedLibrary.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace gravelo::test::clap {

// The library loaded, its entry initialised; deinit and unload at the end.
class ClapLibrary {
  public:
    explicit ClapLibrary(const std::string& path);
    // An entry linked into this program (fuzz targets, the route suite's
    // linked entries): initialised, never unloaded.
    explicit ClapLibrary(const clap_plugin_entry* linked);
    ~ClapLibrary();
    ClapLibrary(const ClapLibrary&) = delete;
    ClapLibrary& operator=(const ClapLibrary&) = delete;

    const clap_plugin_entry* entry() const { return entryPoint; }
    const clap_plugin_factory* factory() const;
    const std::string& error() const { return why; }

  private:
    void initialise(const char* path);

    std::unique_ptr<vsthost::SharedLibrary> module;
    const clap_plugin_entry* entryPoint = nullptr;
    bool initialised = false;
    std::string why;
};

// The host object and its extensions.
class TestHost {
  public:
    TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;
    const clap_host* get() const { return &host; }

    // Which extensions get_extension answers (all by default).
    bool offerParams = true, offerTimers = true, offerFds = true;

    int flushRequests = 0;
    int rescans = 0;
    std::set<clap_id> timers;   // registered now
    std::set<int> descriptors;  // registered now
    int timerRegistrations = 0; // ever
    int fdRegistrations = 0;
    // Sizes the editor asked its window to take (gui request_resize).
    std::vector<std::pair<uint32_t, uint32_t>> resizeRequests;

  private:
    static TestHost& of(const clap_host* h) { return *static_cast<TestHost*>(h->host_data); }
    static const void* CLAP_ABI extension(const clap_host* h, const char* id);
    static void CLAP_ABI nothing(const clap_host*) {}
    static void CLAP_ABI rescan(const clap_host* h, uint32_t flags);
    static void CLAP_ABI clear(const clap_host*, clap_id, uint32_t) {}
    static void CLAP_ABI requestFlush(const clap_host* h);
    static bool CLAP_ABI registerTimer(const clap_host* h, uint32_t period, clap_id* id);
    static bool CLAP_ABI unregisterTimer(const clap_host* h, clap_id id);
    static bool CLAP_ABI registerFd(const clap_host* h, int fd, uint32_t flags);
    static bool CLAP_ABI modifyFd(const clap_host* h, int fd, uint32_t flags);
    static bool CLAP_ABI unregisterFd(const clap_host* h, int fd);
    static bool CLAP_ABI requestResize(const clap_host* h, uint32_t width, uint32_t height);
    static bool CLAP_ABI answerFalse(const clap_host*) { return false; }
    static void CLAP_ABI closed(const clap_host*, bool) {}

    clap_host host;
    clap_host_params params;
    clap_host_timer_support timerSupport;
    clap_host_posix_fd_support fdSupport;
    clap_host_gui gui;
    clap_id nextTimer = 1;
};

// Parameter value events for one block, in time order.
class InputEvents {
  public:
    InputEvents();
    InputEvents(const InputEvents&) = delete;
    InputEvents& operator=(const InputEvents&) = delete;
    void add(uint32_t time, clap_id param, double value);
    // Any event, copied as it is (for kinds the plug-in should skip).
    void addRaw(const clap_event_header& event);
    const clap_input_events* get() const { return &list; }

  private:
    static uint32_t CLAP_ABI size(const clap_input_events* list);
    static const clap_event_header* CLAP_ABI at(const clap_input_events* list, uint32_t index);
    std::vector<std::vector<uint8_t>> events;
    clap_input_events list;
};

// What the plug-in pushed: gesture begin/end and values, in order.
struct OutputEvent {
    uint16_t type;
    uint32_t size;
    uint32_t time;
    clap_id param;
    double value; // values only
};

class OutputEvents {
  public:
    OutputEvents();
    OutputEvents(const OutputEvents&) = delete;
    OutputEvents& operator=(const OutputEvents&) = delete;
    const clap_output_events* get() const { return &list; }
    std::vector<OutputEvent> events;
    bool refuse = false; // try_push answers false

  private:
    static bool CLAP_ABI push(const clap_output_events* list, const clap_event_header* event);
    clap_output_events list;
};

// Streams moving at most `perCall` bytes per call.
class ByteSink {
  public:
    explicit ByteSink(size_t perCall = 1);
    ByteSink(const ByteSink&) = delete;
    ByteSink& operator=(const ByteSink&) = delete;
    const clap_ostream* get() const { return &stream; }
    std::vector<uint8_t> bytes;
    int calls = 0;

  private:
    static int64_t CLAP_ABI write(const clap_ostream* s, const void* buffer, uint64_t size);
    clap_ostream stream;
    size_t most;
};

class ByteSource {
  public:
    ByteSource(std::vector<uint8_t> data, size_t perCall = 1);
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    const clap_istream* get() const { return &stream; }
    bool failAtEnd = false; // -1 instead of 0 when the data ran out

  private:
    static int64_t CLAP_ABI read(const clap_istream* s, void* buffer, uint64_t size);
    clap_istream stream;
    std::vector<uint8_t> bytes;
    size_t position = 0;
    size_t most;
};

// One plug-in instance made and initialised through the factory; destroyed
// at the end. The extension getters answer null when the plug-in lacks one.
class Instance {
  public:
    Instance(const ClapLibrary& library, TestHost& host, const char* id = "com.morvane.gravelo");
    ~Instance();
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    const clap_plugin* plugin() const { return object; }
    template <class Table> const Table* extension(const char* id) const {
        return static_cast<const Table*>(object->get_extension(object, id));
    }
    const clap_plugin_params* params() const;
    const clap_plugin_state* state() const;
    const clap_plugin_gui* gui() const;

    // activate + start_processing; stop_processing + deactivate.
    bool start(double sampleRate, uint32_t maxFrames);
    void stop();
    void reset() const { object->reset(object); }
    // Left and right through one process call; outputs may be the inputs.
    clap_process_status process(const float* left, const float* right, float* outLeft,
                                float* outRight, uint32_t frames, const InputEvents* in = nullptr,
                                OutputEvents* out = nullptr);
    bool setValue(clap_id param, double value); // through flush
    double value(clap_id param) const;
    std::vector<uint8_t> save(size_t perCall = 1) const;
    bool load(const std::vector<uint8_t>& bytes, size_t perCall = 1) const;

  private:
    const clap_plugin* object = nullptr;
    bool active = false;
};

} // namespace gravelo::test::clap
