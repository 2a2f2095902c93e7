#include "Vst3TestHost.h"

#include <algorithm>
#include <cstring>

namespace gravelo::test::vst3 {

// ---- streams

MemoryStream::MemoryStream(std::vector<uint8_t> data, size_t perCall)
    : HostObject(iid::IBStream), bytes(std::move(data)), most(perCall) {}

tresult VST3_API MemoryStream::read(void* buffer, int32_t size, int32_t* bytesRead) {
    ++calls;
    const size_t n = std::min({static_cast<size_t>(std::max(size, 0)), most,
                               bytes.size() - std::min(position, bytes.size())});
    if (n > 0) std::memcpy(buffer, bytes.data() + position, n);
    position += n;
    if (bytesRead != nullptr) *bytesRead = static_cast<int32_t>(n);
    return kResultOk;
}

tresult VST3_API MemoryStream::write(void* buffer, int32_t size, int32_t* written) {
    ++calls;
    const size_t n = std::min(static_cast<size_t>(std::max(size, 0)), most);
    if (bytes.size() < position + n) bytes.resize(position + n);
    std::memcpy(bytes.data() + position, buffer, n);
    position += n;
    if (written != nullptr) *written = static_cast<int32_t>(n);
    return kResultOk;
}

tresult VST3_API MemoryStream::seek(int64_t to, int32_t mode, int64_t* result) {
    const int64_t base = mode == kIBSeekSet   ? 0
                         : mode == kIBSeekCur ? static_cast<int64_t>(position)
                                              : static_cast<int64_t>(bytes.size());
    if (base + to < 0) return kInvalidArgument;
    position = static_cast<size_t>(base + to);
    if (result != nullptr) *result = static_cast<int64_t>(position);
    return kResultOk;
}

tresult VST3_API MemoryStream::tell(int64_t* at) {
    if (at != nullptr) *at = static_cast<int64_t>(position);
    return kResultOk;
}

// ---- parameter queues

ValueQueue::ValueQueue(ParamID parameter) : HostObject(iid::IParamValueQueue), id(parameter) {}

tresult VST3_API ValueQueue::getPoint(int32_t index, int32_t* offset, ParamValue* value) {
    if (index < 0 || index >= getPointCount()) return kInvalidArgument;
    *offset = points[static_cast<size_t>(index)].first;
    *value = points[static_cast<size_t>(index)].second;
    return kResultOk;
}

tresult VST3_API ValueQueue::addPoint(int32_t offset, ParamValue value, int32_t* index) {
    points.emplace_back(offset, value);
    if (index != nullptr) *index = getPointCount() - 1;
    return kResultOk;
}

ParameterChanges::ParameterChanges() : HostObject(iid::IParameterChanges) {}

ParameterChanges::~ParameterChanges() {
    for (ValueQueue* q : queues)
        delete q;
}

IParamValueQueue* VST3_API ParameterChanges::getParameterData(int32_t index) {
    return index >= 0 && index < getParameterCount() ? queues[static_cast<size_t>(index)] : nullptr;
}

IParamValueQueue* VST3_API ParameterChanges::addParameterData(const ParamID* id, int32_t* index) {
    for (size_t i = 0; i < queues.size(); ++i)
        if (queues[i]->id == *id) {
            if (index != nullptr) *index = static_cast<int32_t>(i);
            return queues[i];
        }
    queues.push_back(new ValueQueue(*id));
    if (index != nullptr) *index = getParameterCount() - 1;
    return queues.back();
}

void ParameterChanges::add(ParamID id, int32_t offset, double value) {
    addParameterData(&id, nullptr)->addPoint(offset, value, nullptr);
}

// ---- handler, run loop, frame

ComponentHandler::ComponentHandler() : HostObject(iid::IComponentHandler) {}

tresult VST3_API ComponentHandler::beginEdit(ParamID id) {
    edits.push_back({'b', id, 0.0});
    return kResultOk;
}

tresult VST3_API ComponentHandler::performEdit(ParamID id, ParamValue value) {
    edits.push_back({'p', id, value});
    return kResultOk;
}

tresult VST3_API ComponentHandler::endEdit(ParamID id) {
    edits.push_back({'e', id, 0.0});
    return kResultOk;
}

tresult VST3_API ComponentHandler::restartComponent(int32_t flags) {
    edits.push_back({'r', 0, static_cast<double>(flags)});
    return kResultOk;
}

RunLoop::RunLoop() : HostObject(iid::IRunLoop) {}

tresult VST3_API RunLoop::registerEventHandler(IEventHandler* handler, int fd) {
    if (handler == nullptr || fd < 0 || handlers.count(handler) != 0) return kInvalidArgument;
    handlers[handler] = fd;
    ++handlerRegistrations;
    return kResultOk;
}

tresult VST3_API RunLoop::unregisterEventHandler(IEventHandler* handler) {
    return handlers.erase(handler) != 0 ? kResultOk : kInvalidArgument;
}

tresult VST3_API RunLoop::registerTimer(ITimerHandler* handler, TimerInterval ms) {
    if (handler == nullptr || ms == 0) return kInvalidArgument;
    timers[handler] = ms;
    ++timerRegistrations;
    return kResultOk;
}

tresult VST3_API RunLoop::unregisterTimer(ITimerHandler* handler) {
    return timers.erase(handler) != 0 ? kResultOk : kInvalidArgument;
}

void RunLoop::fire() {
    for (auto [handler, fd] : std::map<IEventHandler*, int>(handlers))
        handler->onFDIsSet(fd);
    for (auto [handler, ms] : std::map<ITimerHandler*, TimerInterval>(timers))
        handler->onTimer();
}

tresult VST3_API PlugFrame::queryInterface(const char* iid, void** object) {
    *object = nullptr;
    if (sameUid(iid, iid::FUnknown) || sameUid(iid, iid::IPlugFrame))
        *object = static_cast<IPlugFrame*>(this);
    else if (lendRunLoop && sameUid(iid, iid::IRunLoop))
        *object = static_cast<IRunLoop*>(&runLoop);
    if (*object == nullptr) return kNoInterface;
    static_cast<FUnknown*>(*object)->addRef();
    return kResultOk;
}

// ---- the plug-in

Plugin::Plugin(const Module& module) {
    void* object = nullptr;
    IPluginFactory* factory = module.factory();
    if (factory == nullptr) return;
    constexpr Uid classId = makeUid(0x4D6F7276, 0x47726176, 0x656C6F31, 0x41335653);
    if (factory->createInstance(classId.bytes, iid::IComponent.bytes, &object) != kResultOk) return;
    component = static_cast<IComponent*>(object);
    if (component->initialize(nullptr) != kResultOk) return;
    component->queryInterface(iid::IAudioProcessor.bytes, &object);
    processor = static_cast<IAudioProcessor*>(object);
    component->queryInterface(iid::IEditController.bytes, &object);
    controller = static_cast<IEditController*>(object);
    if (controller != nullptr) controller->initialize(nullptr); // as hosts do, a second time
}

Plugin::~Plugin() {
    stop();
    if (controller != nullptr) {
        controller->setComponentHandler(nullptr);
        controller->terminate();
        controller->release();
    }
    if (processor != nullptr) processor->release();
    if (component != nullptr) {
        component->terminate();
        component->release();
    }
}

void Plugin::stop() {
    if (!active) return;
    processor->setProcessing(0);
    component->setActive(0);
    active = false;
}

bool Plugin::start(double rate, int32_t maxBlock, int32_t sampleSize) {
    ProcessSetup setup{0, sampleSize, maxBlock, rate};
    active = processor->setupProcessing(&setup) == kResultOk &&
             component->setActive(1) == kResultOk && processor->setProcessing(1) == kResultOk;
    return active;
}

namespace {

template <class Sample> void setChannels(AudioBusBuffers& bus, Sample** channels);
template <> void setChannels<float>(AudioBusBuffers& bus, float** channels) {
    bus.channelBuffers32 = channels;
}
template <> void setChannels<double>(AudioBusBuffers& bus, double** channels) {
    bus.channelBuffers64 = channels;
}

} // namespace

template <class Sample>
tresult Plugin::process(const Sample* left, const Sample* right, Sample* outLeft, Sample* outRight,
                        int32_t frames, ParameterChanges* changes) {
    Sample* in[2] = {const_cast<Sample*>(left), const_cast<Sample*>(right)};
    Sample* out[2] = {outLeft, outRight};
    AudioBusBuffers inBus{}, outBus{};
    inBus.numChannels = right != nullptr ? 2 : 1;
    outBus.numChannels = outRight != nullptr ? 2 : 1;
    setChannels(inBus, in);
    setChannels(outBus, out);
    ProcessData data{};
    data.symbolicSampleSize = sizeof(Sample) == sizeof(double) ? kSample64 : kSample32;
    data.numSamples = frames;
    data.numInputs = data.numOutputs = 1;
    data.inputs = &inBus;
    data.outputs = &outBus;
    data.inputParameterChanges = changes;
    return processor->process(&data);
}

template tresult Plugin::process<float>(const float*, const float*, float*, float*, int32_t,
                                        ParameterChanges*);
template tresult Plugin::process<double>(const double*, const double*, double*, double*, int32_t,
                                         ParameterChanges*);

std::vector<uint8_t> Plugin::save(size_t perCall) const {
    MemoryStream stream({}, perCall);
    return component->getState(&stream) == kResultOk ? stream.bytes : std::vector<uint8_t>{};
}

tresult Plugin::load(const std::vector<uint8_t>& bytes, size_t perCall) const {
    MemoryStream stream(bytes, perCall);
    const tresult result = component->setState(&stream);
    MemoryStream again(bytes, perCall);
    const tresult controllerResult = controller->setComponentState(&again);
    return result == controllerResult ? result : kInternalError;
}

double Plugin::value(ParamID id) const {
    return controller->normalizedParamToPlain(id, controller->getParamNormalized(id));
}

void Plugin::set(ParamID id, double plain) const {
    controller->setParamNormalized(id, controller->plainParamToNormalized(id, plain));
}

} // namespace gravelo::test::vst3
