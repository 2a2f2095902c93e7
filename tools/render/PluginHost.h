// One VST 2.x effect loaded from a shared library and driven the way a DAW
// drives it: entry, effOpen, sample rate, block size, mains on, processing,
// mains off, effClose; with the transport playing at 120 BPM in 4/4.
#pragma once

#include "programs/ParameterSurface.h"
#include "vsthost/PluginLibrary.h"

#include <memory>
#include <string>
#include <vector>

namespace gravelo::render {

class PluginHost final : public ParameterSurface {
  public:
    // Loads and creates the instance; throws RenderError when the library
    // does not load or does not give a usable effect.
    explicit PluginHost(const std::string& path);
    ~PluginHost();
    PluginHost(const PluginHost&) = delete;
    PluginHost& operator=(const PluginHost&) = delete;

    // effOpen, then the rate and the largest block the host will pass.
    void open(double sampleRate, int blockSize, bool doublePrecision);
    // Mains on and start of processing / end of processing and mains off.
    void resume();
    void suspend();

    const AEffect& effect() const { return *host.effect(); }
    const std::string& path() const { return library->path(); }
    int inputs() const { return effect().numInputs; }
    int outputs() const { return effect().numOutputs; }
    bool canProcessDouble() const {
        return (effect().flags & effFlagsCanDoubleReplacing) != 0 &&
               effect().processDoubleReplacing != nullptr;
    }
    bool usesChunks() const { return (effect().flags & effFlagsProgramChunks) != 0; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return host.dispatch(opcode, index, value, ptr, opt);
    }

    int parameterCount() const override { return effect().numParams; }
    float parameter(int index) const override { return host.getParameter(index); }
    void setParameter(int index, float value) override { host.setParameter(index, value); }
    std::string parameterName(int index) override { return host.parameterName(index); }
    std::string parameterDisplay(int index) override { return host.parameterDisplay(index); }
    std::string parameterLabel(int index) override { return host.parameterLabel(index); }

    // effGetChunk / effSetChunk; `program` selects the program chunk.
    std::vector<uint8_t> chunk(bool program) { return host.getChunk(program); }
    void setChunk(const std::vector<uint8_t>& data, bool program) {
        host.setChunk(data.data(), data.size(), program);
    }

    // One block; `frames` is at most the block size given to open().
    void process(float** inputs, float** outputs, int frames);
    void process(double** inputs, double** outputs, int frames);

  private:
    void create();
    void advanceTime(int frames);

    // Unloaded last, after the instance is closed.
    std::unique_ptr<vsthost::PluginLibrary> library;
    vsthost::Host host;
    bool running = false;
};

} // namespace gravelo::render
