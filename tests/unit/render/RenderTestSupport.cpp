#include "RenderTestSupport.h"

#include "support/ChildProcess.h"
#include "vsthost/PluginLibrary.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace gravelo::test::render {

namespace {

std::string slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The test's ASAN_OPTIONS with `more` added, for the child's environment.
std::vector<std::string> asanEnvironment(const std::string& more) {
    if (more.empty()) return {};
    const char* current = std::getenv("ASAN_OPTIONS");
    const std::string options =
        current != nullptr && *current != '\0' ? std::string(current) + ":" + more : more;
    return {"ASAN_OPTIONS=" + options};
}

} // namespace

ToolResult runTool(const std::vector<std::string>& args, const std::string& asanOptions) {
    return runProgram(RENDER_TOOL, args, asanOptions);
}

ToolResult runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& asanOptions) {
    TempDir capture;
    const std::string out = capture.file("stdout"), err = capture.file("stderr");
    std::vector<std::string> command{program};
    command.insert(command.end(), args.begin(), args.end());
    support::ChildSetup setup;
    setup.output = out;
    setup.errors = err;
    setup.environment = asanEnvironment(asanOptions);
    support::Child child(command, setup);
    if (!child.started()) throw std::runtime_error("fork failed");
    ToolResult result;
    result.exitCode = child.wait();
    result.out = slurp(out);
    result.err = slurp(err);
    return result;
}

size_t lineCount(const std::string& text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "gravelo-render-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::vector<std::string> TempDir::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Audio testSignal(int rate, int channels, double seconds) {
    Audio audio;
    audio.rate = rate;
    audio.channels = channels;
    const auto frames = static_cast<int64_t>(seconds * rate);
    uint32_t noise = 12345;
    const double pi = std::acos(-1.0);
    for (int64_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double sincePluck = std::fmod(t, 0.375);
        const double envelope =
            std::exp(-sincePluck * 6.0) * (0.4 + 0.5 * std::fmod(std::floor(t / 0.375), 3.0) / 2.0);
        for (int c = 0; c < channels; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const double hiss = (static_cast<double>(noise >> 8) / 16777216.0 - 0.5) * 0.004;
            const double f = 55.0 * (1.0 + 0.5 * c);
            const double v =
                envelope * (0.6 * std::sin(2 * pi * f * t) + 0.25 * std::sin(2 * pi * 2 * f * t) +
                            0.1 * std::sin(2 * pi * 3.01 * f * t)) +
                hiss;
            audio.samples.push_back(static_cast<double>(static_cast<float>(v)));
        }
    }
    return audio;
}

void writeAudio(const std::string& path, const Audio& audio, int format) {
    SF_INFO info{};
    info.samplerate = audio.rate;
    info.channels = audio.channels;
    info.format = format != 0 ? format : SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    sf_writef_double(file, audio.samples.data(), audio.frames());
    sf_close(file);
}

Audio readAudio(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot read " + path + ": " + sf_strerror(nullptr));
    Audio audio;
    audio.rate = info.samplerate;
    audio.channels = info.channels;
    audio.samples.resize(static_cast<size_t>(info.frames * info.channels));
    audio.samples.resize(static_cast<size_t>(
        sf_readf_double(file, audio.samples.data(), info.frames) * info.channels));
    sf_close(file);
    return audio;
}

namespace {

// Which channel of the file feeds plug-in input k, as the tool promises.
int sourceOf(int k, int channels) {
    if (channels == 1) return 0;
    return k < 2 && k < channels ? k : -1;
}

template <class Sample>
void renderBlocks(vsthost::Host& host, const Audio& input, const Reference& how,
                  std::vector<std::vector<double>>& result) {
    const AEffect* effect = host.effect();
    const int64_t total =
        input.frames() + static_cast<int64_t>(std::llround(how.tailSeconds * input.rate));
    for (int64_t start = 0; start < total; start += how.block) {
        const auto n = static_cast<size_t>(std::min<int64_t>(how.block, total - start));
        std::vector<std::vector<Sample>> in(static_cast<size_t>(effect->numInputs),
                                            std::vector<Sample>(n));
        std::vector<std::vector<Sample>> out(static_cast<size_t>(effect->numOutputs),
                                             std::vector<Sample>(n));
        for (size_t k = 0; k < in.size(); ++k) {
            const int source = sourceOf(static_cast<int>(k), input.channels);
            for (size_t j = 0; j < n && source >= 0; ++j) {
                const int64_t frame = start + static_cast<int64_t>(j);
                in[k][j] = frame < input.frames() ? static_cast<Sample>(input.at(frame, source))
                                                  : Sample{};
            }
        }
        host.process(in, out);
        for (size_t c = 0; c < result.size(); ++c)
            result[c].insert(result[c].end(), out[c].begin(), out[c].end());
    }
}

} // namespace

const vsthost::PluginLibrary& loadedLibrary(const std::string& path) {
    static auto* libraries = new std::map<std::string, std::unique_ptr<vsthost::PluginLibrary>>();
    auto& library = (*libraries)[path];
    if (!library) library = vsthost::PluginLibrary::load(path);
    if (!library) throw std::runtime_error("reference: the plug-in " + path + " does not load");
    return *library;
}

std::vector<std::vector<double>> renderReference(const Audio& input, const Reference& how) {
    const vsthost::PluginLibrary& library =
        loadedLibrary(how.plugin.empty() ? vsthost::builtPluginPath() : how.plugin);
    vsthost::Host host;
    if (!host.create(library.entry())) throw std::runtime_error("reference: no effect");
    host.open(input.rate, how.block);
    if (!how.chunk.empty()) host.setChunk(how.chunk.data(), how.chunk.size(), false);
    for (const auto& [index, value] : how.parameters)
        host.setParameter(index, value);
    host.dispatch(effMainsChanged, 0, 1);
    // The amplifier draws a tiny noise offset from rand(); the tool is a
    // fresh process, so the reference starts the sequence afresh too.
    std::srand(1);
    std::vector<std::vector<double>> result(
        static_cast<size_t>(std::min(host.effect()->numOutputs, 2)));
    if (how.doublePrecision)
        renderBlocks<double>(host, input, how, result);
    else
        renderBlocks<float>(host, input, how, result);
    host.dispatch(effMainsChanged, 0, 0);
    host.close();
    return result;
}

bool sameAudio(const Audio& file, const std::vector<std::vector<double>>& reference,
               std::string& why) {
    std::ostringstream message;
    if (static_cast<size_t>(file.channels) != reference.size() || reference.empty() ||
        static_cast<size_t>(file.frames()) != reference[0].size()) {
        message << "shape: file " << file.channels << " x " << file.frames() << ", reference "
                << reference.size() << " x " << (reference.empty() ? 0 : reference[0].size());
        why = message.str();
        return false;
    }
    for (int64_t i = 0; i < file.frames(); ++i)
        for (int c = 0; c < file.channels; ++c)
            if (file.at(i, c) != reference[static_cast<size_t>(c)][static_cast<size_t>(i)]) {
                message.precision(17);
                message << "first difference at frame " << i << " channel " << c << ": file "
                        << file.at(i, c) << ", reference "
                        << reference[static_cast<size_t>(c)][static_cast<size_t>(i)];
                why = message.str();
                return false;
            }
    return true;
}

int32_t bigEndianAt(const std::vector<uint8_t>& bytes, size_t offset) {
    if (offset + 4 > bytes.size()) throw std::out_of_range("preset field beyond the file");
    return static_cast<int32_t>((uint32_t{bytes[offset]} << 24) |
                                (uint32_t{bytes[offset + 1]} << 16) |
                                (uint32_t{bytes[offset + 2]} << 8) | uint32_t{bytes[offset + 3]});
}

std::vector<uint8_t> readBytes(const std::string& path) {
    const std::string text = slurp(path);
    return std::vector<uint8_t>(text.begin(), text.end());
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

} // namespace gravelo::test::render
