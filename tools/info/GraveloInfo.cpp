// Prints what a host sees of a VST 2.x plug-in: identity, flags and parameters.
#include "vsthost/PluginLibrary.h"

#include <cstdio>

namespace {

std::string fourCharacters(VstInt32 id) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += static_cast<char>((id >> shift) & 0xff);
    return text;
}

void printIdentity(gravelo::vsthost::Host& host) {
    const AEffect* e = host.effect();
    std::printf("effect   %s\nproduct  %s\nvendor   %s (version %ld)\n",
                host.text(effGetEffectName).c_str(), host.text(effGetProductString).c_str(),
                host.text(effGetVendorString).c_str(),
                static_cast<long>(host.dispatch(effGetVendorVersion)));
    std::printf("id       %s (0x%08x), VST %ld\n", fourCharacters(e->uniqueID).c_str(),
                static_cast<unsigned>(e->uniqueID),
                static_cast<long>(host.dispatch(effGetVstVersion)));
    std::printf("flags    0x%04x, %d in, %d out, %d program(s), %d parameter(s)\n",
                static_cast<unsigned>(e->flags), e->numInputs, e->numOutputs, e->numPrograms,
                e->numParams);
    ERect* rect = nullptr;
    if (host.dispatch(effEditGetRect, 0, 0, &rect) != 0 && rect != nullptr)
        std::printf("editor   %d x %d\n", rect->right - rect->left, rect->bottom - rect->top);
}

void printParameters(gravelo::vsthost::Host& host) {
    for (VstInt32 i = 0; i < host.effect()->numParams; ++i)
        std::printf("  %2d  %-10s %-10s %s\n", i, host.parameterName(i).c_str(),
                    host.parameterDisplay(i).c_str(), host.text(effGetParamLabel, i).c_str());
}

} // namespace

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : gravelo::vsthost::builtPluginPath();
    std::string error;
    auto library = gravelo::vsthost::PluginLibrary::load(path, &error);
    if (!library) {
        std::fprintf(stderr, "gravelo-info: cannot load %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    gravelo::vsthost::Host host;
    if (!host.create(library->entry("VSTPluginMain")) || host.effect()->magic != kEffectMagic) {
        std::fprintf(stderr, "gravelo-info: %s is not a VST 2.x effect\n", path.c_str());
        return 1;
    }
    printIdentity(host);
    printParameters(host);
    return 0;
}
