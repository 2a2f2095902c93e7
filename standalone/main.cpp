// gravelo-amp: the amplifier and its panel as a JACK client, for practising
// without a DAW.
#include "effect/Identity.h"
#include "programs/Interruption.h"
#include "programs/RenderError.h"
#include "standalone/AmpOptions.h"
#include "standalone/AmpRunner.h"

#include <cstdio>

namespace {

void printLine(const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", gravelo::identity::kProgramName, line.c_str());
}

} // namespace

int main(int argc, char** argv) {
    using namespace gravelo::standalone;
    try {
        const AmpOptions options = parseAmpOptions(argc, argv);
        if (options.help) {
            std::fputs(ampUsageText(), stdout);
            return 0;
        }
        if (options.version) {
            std::printf("%s %s\n", gravelo::identity::kProgramName, gravelo::identity::kVersion);
            return 0;
        }
        gravelo::render::catchInterruptions();
        return runAmp(options, printLine);
    } catch (const gravelo::render::UsageError& error) {
        printLine(error.what());
        return 2;
    } catch (const std::exception& error) {
        printLine(error.what());
        return 1;
    }
}
