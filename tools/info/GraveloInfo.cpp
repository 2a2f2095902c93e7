// Prints what a host sees of a VST 2.x plug-in: identity, flags and parameters.
#include "effect/Identity.h"
#include "programs/PluginLocation.h"
#include "programs/RenderError.h"
#include "vsthost/PluginLibrary.h"

#include <cstdio>
#include <cstring>

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

constexpr const char* kUsage = R"(Usage: gravelo-info [PLUGIN.so]

Prints what a host sees of a VST 2.x plug-in: its names, vendor and version,
its unique id, flags, inputs and outputs, editor size, and each parameter
with its display text and unit. Without PLUGIN.so it shows the Gravelo
amplifier installed beside the program (../lib/vst) or in ~/.vst.

  --help, --version
)";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("gravelo-info %s\n", gravelo::identity::kVersion);
        return 0;
    }
    std::string path;
    try {
        path = argc > 1 ? argv[1] : gravelo::render::defaultPluginPath();
    } catch (const gravelo::render::RenderError& error) {
        std::fprintf(stderr, "gravelo-info: %s\n", error.what());
        return 1;
    }
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
