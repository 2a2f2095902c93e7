// A VST 3 host for the tests, on the project's own interface header: loads
// a module as Linux hosts do, and offers the host objects a plug-in meets
// (streams that move as few bytes per call as a test wants, parameter
// queues, a component handler and a frame with a run loop) while recording
// what the plug-in does with them. Host objects live on the test's stack:
// their reference counts are answered and never free anything.
#pragma once

#include "vst3/Vst3Interface.h"
#include "vsthost/SharedLibrary.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gravelo::test::vst3 {

using namespace gravelo::vst3::api;

// The module loaded and entered as the platform's hosts do (Linux: dlopen
// and ModuleEntry; Windows: LoadLibrary and InitDll); exited and unloaded
// at the end.
class Module {
  public:
    explicit Module(const std::string& path);
    // A factory linked into this program (fuzz targets): never left.
    explicit Module(IPluginFactory* linked);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    IPluginFactory* factory() const { return pluginFactory; }
    void* symbol(const char* name) const;
    const std::string& error() const { return why; }

  private:
    std::unique_ptr<vsthost::SharedLibrary> library;
    bool entered = false;
    IPluginFactory* pluginFactory = nullptr;
    std::string why;
};

// Linux: what this build made, and its module loaded once for a test program.
std::string builtModulePath();
const Module& builtModule();

// An FUnknown answering only its own interface, counting references.
template <class Interface> class HostObject : public Interface {
  public:
    tresult VST3_API queryInterface(const char* iid, void** object) override {
        *object = sameUid(iid, iid::FUnknown) || sameUid(iid, ownIid) ? this : nullptr;
        return *object != nullptr ? kResultOk : kNoInterface;
    }
    uint32_t VST3_API addRef() override { return ++references; }
    uint32_t VST3_API release() override { return --references; }
    int references = 1;

  protected:
    explicit HostObject(const Uid& id) : ownIid(id) {}

  private:
    Uid ownIid;
};

class MemoryStream final : public HostObject<IBStream> {
  public:
    explicit MemoryStream(std::vector<uint8_t> data = {}, size_t perCall = 1);
    tresult VST3_API read(void* buffer, int32_t bytes, int32_t* bytesRead) override;
    tresult VST3_API write(void* buffer, int32_t bytes, int32_t* bytesWritten) override;
    tresult VST3_API seek(int64_t position, int32_t mode, int64_t* result) override;
    tresult VST3_API tell(int64_t* position) override;
    std::vector<uint8_t> bytes;
    size_t position = 0;
    size_t most;
    int calls = 0;
};

class ValueQueue final : public HostObject<IParamValueQueue> {
  public:
    explicit ValueQueue(ParamID parameter);
    ParamID VST3_API getParameterId() override { return id; }
    int32_t VST3_API getPointCount() override { return static_cast<int32_t>(points.size()); }
    tresult VST3_API getPoint(int32_t index, int32_t* offset, ParamValue* value) override;
    tresult VST3_API addPoint(int32_t offset, ParamValue value, int32_t* index) override;
    ParamID id;
    std::vector<std::pair<int32_t, double>> points;
};

class ParameterChanges final : public HostObject<IParameterChanges> {
  public:
    ParameterChanges();
    ParameterChanges(const ParameterChanges&) = delete;
    ParameterChanges& operator=(const ParameterChanges&) = delete;
    ~ParameterChanges();
    int32_t VST3_API getParameterCount() override { return static_cast<int32_t>(queues.size()); }
    IParamValueQueue* VST3_API getParameterData(int32_t index) override;
    IParamValueQueue* VST3_API addParameterData(const ParamID* id, int32_t* index) override;
    // A point of parameter id at offset (normalised value).
    void add(ParamID id, int32_t offset, double value);
    std::vector<ValueQueue*> queues;
};

// What the plug-in told the handler, in order.
struct Edit {
    char kind; // 'b' begin, 'p' perform, 'e' end, 'r' restart
    ParamID id;
    double value;
};

class ComponentHandler final : public HostObject<IComponentHandler> {
  public:
    ComponentHandler();
    tresult VST3_API beginEdit(ParamID id) override;
    tresult VST3_API performEdit(ParamID id, ParamValue value) override;
    tresult VST3_API endEdit(ParamID id) override;
    tresult VST3_API restartComponent(int32_t flags) override;
    std::vector<Edit> edits;
};

// The host's run loop: what is registered now, and how often ever.
class RunLoop final : public HostObject<IRunLoop> {
  public:
    RunLoop();
    tresult VST3_API registerEventHandler(IEventHandler* handler, int fd) override;
    tresult VST3_API unregisterEventHandler(IEventHandler* handler) override;
    tresult VST3_API registerTimer(ITimerHandler* handler, TimerInterval ms) override;
    tresult VST3_API unregisterTimer(ITimerHandler* handler) override;
    // Fires every timer and descriptor handler, as the host's loop would.
    void fire();
    std::map<IEventHandler*, int> handlers;
    std::map<ITimerHandler*, TimerInterval> timers;
    int handlerRegistrations = 0, timerRegistrations = 0;
};

// The frame the view is given; it lends the run loop unless told not to.
class PlugFrame final : public IPlugFrame {
  public:
    tresult VST3_API queryInterface(const char* iid, void** object) override;
    uint32_t VST3_API addRef() override { return ++references; }
    uint32_t VST3_API release() override { return --references; }
    // As a host does: its window takes the size, then the view is told.
    tresult VST3_API resizeView(IPlugView* view, ViewRect* size) override {
        if (view == nullptr || size == nullptr) return kInvalidArgument;
        resizes.push_back(*size);
        return view->onSize(size);
    }
    std::vector<ViewRect> resizes;
    RunLoop runLoop;
    bool lendRunLoop = true;
    int references = 1;
};

// One plug-in object through the factory: its component, processor and
// controller faces, initialised; terminated and released at the end.
class Plugin {
  public:
    explicit Plugin(const Module& module = builtModule());
    ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    IComponent* component = nullptr;
    IAudioProcessor* processor = nullptr;
    IEditController* controller = nullptr;

    // setupProcessing, setActive(true), setProcessing(true).
    bool start(double rate, int32_t maxBlock, int32_t sampleSize = kSample32);
    // setProcessing(false), setActive(false).
    void stop();
    // One block, stereo in and out (separate buffers), with these changes;
    // a null right channel makes that bus mono.
    template <class Sample>
    tresult process(const Sample* left, const Sample* right, Sample* outLeft, Sample* outRight,
                    int32_t frames, ParameterChanges* changes = nullptr);
    std::vector<uint8_t> save(size_t perCall = 1) const;
    tresult load(const std::vector<uint8_t>& bytes, size_t perCall = 1) const;
    double value(ParamID id) const; // panel units
    void set(ParamID id, double plain) const;

  private:
    bool active = false;
};

} // namespace gravelo::test::vst3
