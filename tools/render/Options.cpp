#include "Options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>

namespace gravelo::render {

namespace {

constexpr int kMaxBlock = 65536;
constexpr double kMaxTailSeconds = 3600.0;

int parseInteger(const std::string& option, const std::string& text, int low, int high) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < low || value > high)
        throw UsageError(option + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'");
    return static_cast<int>(value);
}

double parseSeconds(const std::string& option, const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0 ||
        value > kMaxTailSeconds)
        throw UsageError(option + " takes seconds from 0 to 3600, not '" + text + "'");
    return value;
}

SampleFormat parseBits(const std::string& text) {
    if (text == "16") return SampleFormat::Pcm16;
    if (text == "24") return SampleFormat::Pcm24;
    if (text == "32" || text == "float") return SampleFormat::Float;
    if (text == "64" || text == "double") return SampleFormat::Double;
    throw UsageError("--bits takes 16, 24, 32 (float) or 64 (double), not '" + text + "'");
}

// Splits "--name=value" and "--name value".
class ArgumentCursor {
  public:
    ArgumentCursor(int argc, const char* const* argv) : args(argv + 1, argv + argc) {}
    bool done() const { return position >= args.size(); }
    std::string next() { return args[position++]; }
    std::string valueFor(const std::string& option, const std::string& inlineValue,
                         bool hasInline) {
        if (hasInline) return inlineValue;
        if (done()) throw UsageError(option + " needs a value");
        return next();
    }

  private:
    std::vector<std::string> args;
    size_t position = 0;
};

using ValueHandler = std::function<void(Options&, const std::string&)>;

const std::map<std::string, ValueHandler>& valueOptions() {
    static const std::map<std::string, ValueHandler> handlers = {
        {"--plugin", [](Options& o, const std::string& v) { o.plugin = v; }},
        {"--block",
         [](Options& o, const std::string& v) {
             o.blockSize = parseInteger("--block", v, 1, kMaxBlock);
         }},
        {"--tail",
         [](Options& o, const std::string& v) { o.tailSeconds = parseSeconds("--tail", v); }},
        {"--bits", [](Options& o, const std::string& v) { o.samples = parseBits(v); }},
        {"--set", [](Options& o, const std::string& v) { o.settings.push_back(parseSetting(v)); }},
        {"--load-preset", [](Options& o, const std::string& v) { o.loadPreset = v; }},
        {"--save-preset", [](Options& o, const std::string& v) { o.savePreset = v; }},
        {"--preset-name", [](Options& o, const std::string& v) { o.presetName = v; }},
        {"--load-chunk", [](Options& o, const std::string& v) { o.loadChunk = v; }},
        {"--save-chunk", [](Options& o, const std::string& v) { o.saveChunk = v; }},
    };
    return handlers;
}

bool applyFlag(Options& options, const std::string& name) {
    if (name == "--double")
        options.doublePrecision = true;
    else if (name == "--list")
        options.list = true;
    else if (name == "--quiet" || name == "-q")
        options.quiet = true;
    else if (name == "--time")
        options.timing = true;
    else if (name == "--help" || name == "-h")
        options.help = true;
    else if (name == "--version")
        options.version = true;
    else
        return false;
    return true;
}

void checkComplete(Options& options, const std::vector<std::string>& positional, bool bitsGiven) {
    if (positional.size() > 2) throw UsageError("too many file names: '" + positional[2] + "'");
    if (positional.size() == 1)
        throw UsageError("missing output file after '" + positional[0] + "'");
    if (positional.size() == 2) {
        options.input = positional[0];
        options.output = positional[1];
    }
    const bool anything = options.renders() || options.list || !options.savePreset.empty() ||
                          !options.saveChunk.empty();
    if (!anything)
        throw UsageError("nothing to do: give INPUT OUTPUT, --list, --save-preset or --save-chunk");
    if (options.doublePrecision && !bitsGiven) options.samples = SampleFormat::Double;
}

} // namespace

Options parseOptions(int argc, const char* const* argv) {
    Options options;
    std::vector<std::string> positional;
    ArgumentCursor cursor(argc, argv);
    bool bitsGiven = false;
    bool optionsEnded = false;
    while (!cursor.done()) {
        std::string argument = cursor.next();
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (applyFlag(options, argument)) continue;
        const size_t equals = argument.find('=');
        std::string name = argument.substr(0, equals);
        std::string inlineValue =
            equals == std::string::npos ? std::string() : argument.substr(equals + 1);
        const auto handler = valueOptions().find(name);
        if (handler == valueOptions().end())
            throw UsageError("unknown option '" + argument + "' (see --help)");
        handler->second(options, cursor.valueFor(name, inlineValue, equals != std::string::npos));
        bitsGiven = bitsGiven || name == "--bits";
    }
    if (options.help || options.version) return options;
    checkComplete(options, positional, bitsGiven);
    return options;
}

const char* usageText() {
    return R"(Usage: gravelo-render [options] INPUT OUTPUT
       gravelo-render [options] --list | --save-preset F.fxp | --save-chunk F

Renders an audio file through a VST 2.x effect (the Gravelo amplifier unless
--plugin names another), at the input's sample rate. A mono input feeds both
plug-in inputs; of more channels the first two are used. The output format
follows OUTPUT's extension: .wav, .flac, .aif/.aiff, .ogg.

  --plugin PATH        the plug-in .so to load
  --set NAME=VALUE     set a parameter in the units it displays (--set Dirt=5)
  --set NAME=Xn        set a host value 0..1 (--set 3=0.5n); NAME may be an index
  --list               print each parameter: index, name, host value, display
  --load-preset F.fxp  load a preset file (program chunk or parameter list)
  --save-preset F.fxp  save the settings as a preset file
  --preset-name NAME   program name stored by --save-preset (default: file name)
  --load-chunk F       load a raw state chunk
  --save-chunk F       save the raw state chunk
  --block N            frames per processing call (default 256)
  --tail SECONDS       silence appended so that releases are heard
  --double             process in double precision (written as 64-bit float)
  --bits B             output samples: 16, 24, 32 (float) or 64 (double)
  --time               print render and plug-in processing times
  --quiet, -q          no progress bar
  --help, -h           this text
  --version            the version

Presets and chunks are loaded first, then every --set in order; --list and
the saves show the result.
)";
}

} // namespace gravelo::render
