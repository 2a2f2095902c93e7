// Small libraries that look like plug-ins to a host, each failing in one way
// (or, for the gain effect, a plain effect without double precision or
// chunks). Built once per FAKE_KIND.
#include "host/VstInterface.h"

#include <cstdio>
#include <cstring>

#define FAKE_NO_ENTRY 0
#define FAKE_NULL_EFFECT 1
#define FAKE_BAD_MAGIC 2
#define FAKE_INSTRUMENT 3
#define FAKE_GAIN 4

#define EXPORTED extern "C" __attribute__((visibility("default")))

namespace {

// The gain effect's one parameter: "Level", 0..10 as host value x10.
float level = 0.5f;

VstIntPtr dispatcher(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    switch (opcode) {
    case effGetParamName:
        std::strcpy(static_cast<char*>(ptr), "Level");
        return 0;
    case effGetParamDisplay:
        std::snprintf(static_cast<char*>(ptr), 9, "%.1f", static_cast<double>(level) * 10.0);
        return 0;
    case effGetParamLabel:
        static_cast<char*>(ptr)[0] = '\0';
        return 0;
    default:
        return 0;
    }
}

void setParameter(AEffect*, VstInt32, float value) {
    level = value;
}
float getParameter(AEffect*, VstInt32) {
    return level;
}

void processReplacing(AEffect*, float** inputs, float** outputs, VstInt32 frames) {
    for (int channel = 0; channel < 2; ++channel)
        for (VstInt32 i = 0; i < frames; ++i)
            outputs[channel][i] = inputs[channel][i] * level;
}

AEffect makeEffect() {
    AEffect effect{};
    effect.magic = kEffectMagic;
    effect.dispatcher = dispatcher;
    effect.setParameter = setParameter;
    effect.getParameter = getParameter;
    effect.processReplacing = processReplacing;
    effect.numPrograms = 1;
    effect.numParams = 1;
    effect.numInputs = 2;
    effect.numOutputs = 2;
    effect.flags = effFlagsCanReplacing;
    effect.uniqueID = 0x46414b45; // 'FAKE'
    effect.version = 1;
    return effect;
}

AEffect effect = makeEffect();

} // namespace

#if FAKE_KIND == FAKE_NO_ENTRY
EXPORTED int fakeUnrelatedFunction() {
    return 1;
}
#else
EXPORTED AEffect* VSTPluginMain(audioMasterCallback) {
#if FAKE_KIND == FAKE_NULL_EFFECT
    return nullptr;
#elif FAKE_KIND == FAKE_BAD_MAGIC
    effect.magic = 0x12345678;
    return &effect;
#elif FAKE_KIND == FAKE_INSTRUMENT
    effect.numInputs = 0;
    effect.flags |= effFlagsIsSynth;
    return &effect;
#else
    return &effect;
#endif
}
#endif
