#include "standalone/AmpOptions.h"

#include "programs/RenderError.h"

namespace gravelo::standalone {

namespace {

using render::UsageError;

std::vector<std::string> splitPorts(const std::string& text) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == text.size() ||
        text.find(',', comma + 1) != std::string::npos)
        throw UsageError("--output takes two ports, LEFT,RIGHT, not '" + text + "'");
    return {text.substr(0, comma), text.substr(comma + 1)};
}

bool applyFlag(AmpOptions& options, const std::string& name) {
    if (name == "--no-gui")
        options.gui = false;
    else if (name == "--no-connect")
        options.connect = false;
    else if (name == "--list-presets")
        options.listPresets = true;
    else if (name == "--help" || name == "-h")
        options.help = true;
    else if (name == "--version")
        options.version = true;
    else
        return false;
    return true;
}

bool takesValue(const std::string& name) {
    for (const char* known : {"--name", "--input", "--output", "--preset", "--set"})
        if (name == known) return true;
    return false;
}

void applyValue(AmpOptions& options, const std::string& name, const std::string& value) {
    if (!takesValue(name)) throw UsageError("unknown option '" + name + "' (see --help)");
    if (value.empty()) throw UsageError(name + " needs a value");
    if (name == "--name")
        options.clientName = value;
    else if (name == "--input")
        options.input = value;
    else if (name == "--output")
        options.outputs = splitPorts(value);
    else if (name == "--preset")
        options.preset = value;
    else
        options.settings.push_back(render::parseSetting(value));
}

} // namespace

AmpOptions parseAmpOptions(int argc, const char* const* argv) {
    AmpOptions options;
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (applyFlag(options, name)) continue;
        if (name.rfind("--", 0) != 0) throw UsageError("unexpected argument '" + name + "'");
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            applyValue(options, name.substr(0, equals), name.substr(equals + 1));
            continue;
        }
        applyValue(options, name, i + 1 < argc ? argv[++i] : "");
    }
    return options;
}

const char* ampUsageText() {
    return R"(Usage: gravelo-amp [options]

Gravelo I, the bass amplifier, as a JACK client: plug in a bass and play.
Ports: in, out_left, out_right (the same signal) and midi_in, where Program
Change n selects the n-th preset of --list-presets.

  --name NAME          JACK client name (default Gravelo)
  --input PORT         connect 'in' to PORT (default: the first capture port)
  --output L,R         connect the outputs to L and R (default: the first two
                       playback ports)
  --no-connect         connect nothing
  --preset F.fxp       start from this preset instead of the last state
  --set NAME=VALUE     set a control in the units the panel shows
                       (--set Output=-6); after --preset or the last state
  --no-gui             no window; runs until SIGINT or SIGTERM
  --list-presets       print the preset list with Program Change numbers
  --help, --version

The state is saved to $XDG_CONFIG_HOME/gravelo/last.fxp (~/.config/gravelo
by default) at exit and a few seconds after each change; user presets live
in the presets/ folder beside it.
)";
}

} // namespace gravelo::standalone
