// A host for tests and tools: loads a VST 2.x plug-in library with dlopen
// exactly as a host does, answers its callback (recording every call), and
// drives it only through the AEffect record.
#pragma once

#include "host/VstInterface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testhost {

struct HostCall {
    AEffect* effect;
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};

using EntryFunction = AEffect* (*)(audioMasterCallback);

// A loaded plug-in library; unloaded when destroyed.
class PluginLibrary {
  public:
    static std::unique_ptr<PluginLibrary> load(const std::string& path,
                                               std::string* error = nullptr);
    ~PluginLibrary();

    // The named entry ("VSTPluginMain", "main" or "MAIN"), or null.
    EntryFunction entry(const char* name = "VSTPluginMain") const;
    const std::string& path() const { return libraryPath; }

  private:
    PluginLibrary(void* library, std::string path)
        : handle(library), libraryPath(std::move(path)) {}
    void* handle;
    std::string libraryPath;
};

// The host side of one plug-in instance.
class Host {
  public:
    Host();
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Creates the instance through `entry`; false when the plug-in gave null.
    bool create(EntryFunction entry);
    AEffect* effect() const { return plugin; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    std::string text(VstInt32 opcode, VstInt32 index = 0);
    // effOpen, sample rate, block size and resume, as a host starts a plug-in.
    void start(float sampleRate = 48000.0f, VstInt32 blockSize = 256);
    // effClose; the instance is gone afterwards.
    VstIntPtr close();

    void setParameter(VstInt32 index, float value) { plugin->setParameter(plugin, index, value); }
    float getParameter(VstInt32 index) { return plugin->getParameter(plugin, index); }
    std::string parameterName(VstInt32 index) { return text(effGetParamName, index); }
    std::string parameterDisplay(VstInt32 index) { return text(effGetParamDisplay, index); }
    std::vector<uint8_t> getChunk(bool preset = false);
    VstIntPtr setChunk(const void* data, size_t size, bool preset = false);

    void processFloat(std::vector<std::vector<float>>& inputs,
                      std::vector<std::vector<float>>& outputs);
    void processDouble(std::vector<std::vector<double>>& inputs,
                       std::vector<std::vector<double>>& outputs);

    // What the host answers.
    VstIntPtr versionAnswer = 2400;
    std::optional<VstTimeInfo> timeInfo;

    std::vector<HostCall> calls;
    size_t countCalls(VstInt32 opcode) const;
    // Hook for tests that watch calls as they arrive.
    std::function<void(const HostCall&)> onCall;

  private:
    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                          VstIntPtr value, void* ptr, float opt);
    VstIntPtr answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                     float opt);

    AEffect* plugin = nullptr;
};

// The plug-in built with this project.
std::string builtPluginPath();

} // namespace testhost
