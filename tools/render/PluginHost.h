// One VST 2.x effect loaded from a shared library and driven the way a DAW
// drives it: entry, effOpen, sample rate, block size, mains on, processing,
// mains off, effClose. Everything goes through the AEffect record.
#pragma once

#include "host/VstInterface.h"

#include <memory>
#include <string>
#include <vector>

namespace render {

// dlopen handle; unloaded last, after the instance is closed.
class SharedLibrary {
  public:
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    // The named function when the library itself defines it.
    void* ownSymbol(const char* name) const;

  private:
    void* handle = nullptr;
};

class PluginHost {
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

    const AEffect& effect() const { return *plugin; }
    const std::string& path() const { return libraryPath; }
    int inputs() const { return plugin->numInputs; }
    int outputs() const { return plugin->numOutputs; }
    bool canProcessDouble() const {
        return (plugin->flags & effFlagsCanDoubleReplacing) != 0 &&
               plugin->processDoubleReplacing != nullptr;
    }
    bool usesChunks() const { return (plugin->flags & effFlagsProgramChunks) != 0; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    std::string text(VstInt32 opcode, VstInt32 index = 0);

    int parameterCount() const { return plugin->numParams; }
    float parameter(int index) const { return plugin->getParameter(plugin, index); }
    void setParameter(int index, float value) { plugin->setParameter(plugin, index, value); }
    std::string parameterName(int index) { return text(effGetParamName, index); }
    std::string parameterDisplay(int index) { return text(effGetParamDisplay, index); }
    std::string parameterLabel(int index) { return text(effGetParamLabel, index); }

    // effGetChunk / effSetChunk; `program` selects the program chunk.
    std::vector<uint8_t> chunk(bool program);
    void setChunk(const std::vector<uint8_t>& data, bool program);

    // One block; `frames` is at most the block size given to open().
    void process(float** inputs, float** outputs, int frames);
    void process(double** inputs, double** outputs, int frames);

  private:
    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                          VstIntPtr value, void* ptr, float opt);
    VstIntPtr answer(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    void create();
    void advanceTime(int frames);

    std::string libraryPath;
    std::unique_ptr<SharedLibrary> library;
    AEffect* plugin = nullptr;
    bool opened = false;
    bool running = false;
    double rate = 48000.0;
    int maxBlock = 256;
    VstTimeInfo time{};
};

} // namespace render
