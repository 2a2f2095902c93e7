#include "ClapTestHost.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace gravelo::test::clap {

ClapLibrary::ClapLibrary(const std::string& path)
    : module(std::make_unique<vsthost::SharedLibrary>(path)) {
    if (!module->loaded()) {
        why = module->error();
        return;
    }
    entryPoint = static_cast<const clap_plugin_entry*>(module->symbol("clap_entry"));
    if (entryPoint == nullptr) {
        why = "no clap_entry";
        return;
    }
    initialise(path.c_str());
}

ClapLibrary::ClapLibrary(const clap_plugin_entry* linked) : entryPoint(linked) {
    initialise("");
}

void ClapLibrary::initialise(const char* path) {
    initialised = entryPoint->init(path);
    if (!initialised) {
        why = "init failed";
        entryPoint = nullptr;
    }
}

ClapLibrary::~ClapLibrary() {
    if (initialised) entryPoint->deinit();
}

const clap_plugin_factory* ClapLibrary::factory() const {
    if (entryPoint == nullptr) return nullptr;
    return static_cast<const clap_plugin_factory*>(entryPoint->get_factory(CLAP_PLUGIN_FACTORY_ID));
}

TestHost::TestHost() : host{}, params{}, timerSupport{}, fdSupport{}, gui{} {
    host.clap_version = kClapVersion;
    host.host_data = this;
    host.name = "Gravelo test host";
    host.vendor = "Morvane";
    host.url = "";
    host.version = "1.0";
    host.get_extension = extension;
    host.request_restart = nothing;
    host.request_process = nothing;
    host.request_callback = nothing;
    params = {rescan, clear, requestFlush};
    timerSupport = {registerTimer, unregisterTimer};
    fdSupport = {registerFd, modifyFd, unregisterFd};
    gui = {nothing, requestResize, answerFalse, answerFalse, closed};
}

bool TestHost::requestResize(const clap_host* h, uint32_t width, uint32_t height) {
    of(h).resizeRequests.push_back({width, height});
    return true;
}

const void* TestHost::extension(const clap_host* h, const char* id) {
    TestHost& self = of(h);
    if (id == nullptr) return nullptr;
    if (self.offerParams && std::strcmp(id, CLAP_EXT_PARAMS) == 0) return &self.params;
    if (self.offerTimers && std::strcmp(id, CLAP_EXT_TIMER_SUPPORT) == 0) return &self.timerSupport;
    if (self.offerFds && std::strcmp(id, CLAP_EXT_POSIX_FD_SUPPORT) == 0) return &self.fdSupport;
    if (std::strcmp(id, CLAP_EXT_GUI) == 0) return &self.gui;
    return nullptr;
}

void TestHost::rescan(const clap_host* h, uint32_t) {
    ++of(h).rescans;
}

void TestHost::requestFlush(const clap_host* h) {
    ++of(h).flushRequests;
}

bool TestHost::registerTimer(const clap_host* h, uint32_t, clap_id* id) {
    TestHost& self = of(h);
    if (id == nullptr) return false;
    *id = self.nextTimer++;
    self.timers.insert(*id);
    ++self.timerRegistrations;
    return true;
}

bool TestHost::unregisterTimer(const clap_host* h, clap_id id) {
    return of(h).timers.erase(id) == 1;
}

bool TestHost::registerFd(const clap_host* h, int fd, uint32_t) {
    TestHost& self = of(h);
    ++self.fdRegistrations;
    return self.descriptors.insert(fd).second;
}

bool TestHost::modifyFd(const clap_host* h, int fd, uint32_t) {
    return of(h).descriptors.count(fd) == 1;
}

bool TestHost::unregisterFd(const clap_host* h, int fd) {
    return of(h).descriptors.erase(fd) == 1;
}

InputEvents::InputEvents() : list{this, size, at} {}

void InputEvents::add(uint32_t time, clap_id param, double value) {
    clap_event_param_value event{};
    event.header = {sizeof event, time, CLAP_CORE_EVENT_SPACE_ID, CLAP_EVENT_PARAM_VALUE, 0};
    event.param_id = param;
    event.note_id = -1;
    event.port_index = event.channel = event.key = -1;
    event.value = value;
    addRaw(event.header);
}

void InputEvents::addRaw(const clap_event_header& event) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&event);
    events.emplace_back(bytes, bytes + event.size);
}

uint32_t InputEvents::size(const clap_input_events* list) {
    return static_cast<uint32_t>(static_cast<InputEvents*>(list->ctx)->events.size());
}

const clap_event_header* InputEvents::at(const clap_input_events* list, uint32_t index) {
    auto& events = static_cast<InputEvents*>(list->ctx)->events;
    if (index >= events.size()) return nullptr;
    return reinterpret_cast<const clap_event_header*>(events[index].data());
}

OutputEvents::OutputEvents() : list{this, push} {}

bool OutputEvents::push(const clap_output_events* list, const clap_event_header* event) {
    OutputEvents& self = *static_cast<OutputEvents*>(list->ctx);
    if (self.refuse || event == nullptr) return false;
    OutputEvent recorded{event->type, event->size, event->time, CLAP_INVALID_ID, 0.0};
    if (event->type == CLAP_EVENT_PARAM_VALUE) {
        const auto* v = reinterpret_cast<const clap_event_param_value*>(event);
        recorded.param = v->param_id;
        recorded.value = v->value;
    } else {
        recorded.param = reinterpret_cast<const clap_event_param_gesture*>(event)->param_id;
    }
    self.events.push_back(recorded);
    return true;
}

ByteSink::ByteSink(size_t perCall) : stream{this, write}, most(perCall) {}

int64_t ByteSink::write(const clap_ostream* s, const void* buffer, uint64_t size) {
    ByteSink& self = *static_cast<ByteSink*>(s->ctx);
    ++self.calls;
    const size_t n = static_cast<size_t>(std::min<uint64_t>(size, self.most));
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    self.bytes.insert(self.bytes.end(), bytes, bytes + n);
    return static_cast<int64_t>(n);
}

ByteSource::ByteSource(std::vector<uint8_t> data, size_t perCall)
    : stream{this, read}, bytes(std::move(data)), most(perCall) {}

int64_t ByteSource::read(const clap_istream* s, void* buffer, uint64_t size) {
    ByteSource& self = *static_cast<ByteSource*>(s->ctx);
    const size_t left = self.bytes.size() - self.position;
    if (left == 0) return self.failAtEnd ? -1 : 0;
    const size_t n = std::min({static_cast<size_t>(size), self.most, left});
    std::memcpy(buffer, self.bytes.data() + self.position, n);
    self.position += n;
    return static_cast<int64_t>(n);
}

Instance::Instance(const ClapLibrary& library, TestHost& host, const char* id) {
    const clap_plugin_factory* factory = library.factory();
    if (factory == nullptr) throw std::runtime_error("no plug-in factory");
    object = factory->create_plugin(factory, host.get(), id);
    if (object == nullptr) throw std::runtime_error("create_plugin refused");
    if (!object->init(object)) throw std::runtime_error("init failed");
}

Instance::~Instance() {
    stop();
    object->destroy(object);
}

void Instance::stop() {
    if (!active) return;
    object->stop_processing(object);
    object->deactivate(object);
    active = false;
}

const clap_plugin_params* Instance::params() const {
    return extension<clap_plugin_params>(CLAP_EXT_PARAMS);
}

const clap_plugin_state* Instance::state() const {
    return extension<clap_plugin_state>(CLAP_EXT_STATE);
}

const clap_plugin_gui* Instance::gui() const {
    return extension<clap_plugin_gui>(CLAP_EXT_GUI);
}

bool Instance::start(double sampleRate, uint32_t maxFrames) {
    if (!object->activate(object, sampleRate, 1, maxFrames)) return false;
    active = true;
    return object->start_processing(object);
}

clap_process_status Instance::process(const float* left, const float* right, float* outLeft,
                                      float* outRight, uint32_t frames, const InputEvents* in,
                                      OutputEvents* out) {
    float* inputs[2] = {const_cast<float*>(left), const_cast<float*>(right)};
    float* outputs[2] = {outLeft, outRight};
    clap_audio_buffer input{inputs, nullptr, 2, 0, 0};
    clap_audio_buffer output{outputs, nullptr, 2, 0, 0};
    InputEvents none;
    OutputEvents ignored;
    clap_process block{};
    block.steady_time = -1;
    block.frames_count = frames;
    block.audio_inputs = &input;
    block.audio_outputs = &output;
    block.audio_inputs_count = block.audio_outputs_count = 1;
    block.in_events = (in != nullptr ? in : &none)->get();
    block.out_events = (out != nullptr ? out : &ignored)->get();
    return object->process(object, &block);
}

bool Instance::setValue(clap_id param, double value) {
    InputEvents in;
    in.add(0, param, value);
    OutputEvents out;
    params()->flush(object, in.get(), out.get());
    double now = 0.0;
    return params()->get_value(object, param, &now);
}

double Instance::value(clap_id param) const {
    double v = 0.0;
    if (!params()->get_value(object, param, &v)) throw std::runtime_error("get_value refused");
    return v;
}

std::vector<uint8_t> Instance::save(size_t perCall) const {
    ByteSink sink(perCall);
    if (!state()->save(object, sink.get())) throw std::runtime_error("state save failed");
    return sink.bytes;
}

bool Instance::load(const std::vector<uint8_t>& bytes, size_t perCall) const {
    ByteSource source(bytes, perCall);
    return state()->load(object, source.get());
}

} // namespace gravelo::test::clap
