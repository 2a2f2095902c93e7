#include "AudioFiles.h"

#include "programs/RenderError.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace gravelo::render {

namespace {

std::string lowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

int subtypeFor(SampleFormat samples) {
    switch (samples) {
    case SampleFormat::Double:
        return SF_FORMAT_DOUBLE;
    case SampleFormat::Pcm16:
        return SF_FORMAT_PCM_16;
    case SampleFormat::Pcm24:
        return SF_FORMAT_PCM_24;
    case SampleFormat::Float:
        break;
    }
    return SF_FORMAT_FLOAT;
}

} // namespace

const char* supportedOutputExtensions() {
    return ".wav, .flac, .aif/.aiff, .ogg";
}

int outputFormatFor(const std::string& path, SampleFormat samples) {
    const std::string extension = lowerExtension(path);
    if (extension == ".wav") return SF_FORMAT_WAV | subtypeFor(samples);
    if (extension == ".aif" || extension == ".aiff" || extension == ".aifc")
        return SF_FORMAT_AIFF | subtypeFor(samples);
    if (extension == ".flac")
        return SF_FORMAT_FLAC |
               (samples == SampleFormat::Pcm16 ? SF_FORMAT_PCM_16 : SF_FORMAT_PCM_24);
    if (extension == ".ogg" || extension == ".oga") return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    throw RenderError("unsupported output format '" + (extension.empty() ? path : extension) +
                      "' (use " + supportedOutputExtensions() + ")");
}

SoundFileReader::SoundFileReader(const std::string& filePath) : path(filePath) {
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        throw RenderError("input '" + path + "' does not exist");
    if (std::filesystem::is_directory(path, ignored))
        throw RenderError("input '" + path + "' is a folder");
    file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        throw RenderError("cannot read input '" + path + "': " + sf_strerror(nullptr));
    if (info.channels < 1 || info.samplerate < 1)
        throw RenderError("input '" + path + "' has no audio");
}

SoundFileReader::~SoundFileReader() {
    sf_close(file);
}

int64_t SoundFileReader::checked(sf_count_t got) {
    if (got == 0 && sf_error(file) != SF_ERR_NO_ERROR)
        throw RenderError("cannot read input '" + path + "': " + sf_strerror(file));
    return got;
}

int64_t SoundFileReader::read(float* interleaved, int64_t frames) {
    return checked(sf_readf_float(file, interleaved, frames));
}

int64_t SoundFileReader::read(double* interleaved, int64_t frames) {
    return checked(sf_readf_double(file, interleaved, frames));
}

SoundFileWriter::SoundFileWriter(int fd, const std::string& outputName, int format, int sampleRate,
                                 int channels)
    : name(outputName) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format;
    if (!sf_format_check(&info))
        throw RenderError("cannot write '" + name + "' in that format at " +
                          std::to_string(sampleRate) + " Hz with " + std::to_string(channels) +
                          " channels");
    file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (file == nullptr) throw RenderError("cannot write '" + name + "': " + sf_strerror(nullptr));
    // Integer formats would wrap around past full scale; clip instead.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundFileWriter::~SoundFileWriter() {
    if (file != nullptr) sf_close(file);
}

void SoundFileWriter::checked(sf_count_t wrote, int64_t frames) {
    if (wrote != frames) throw RenderError("cannot write '" + name + "': " + sf_strerror(file));
}

void SoundFileWriter::write(const float* interleaved, int64_t frames) {
    checked(sf_writef_float(file, interleaved, frames), frames);
}

void SoundFileWriter::write(const double* interleaved, int64_t frames) {
    checked(sf_writef_double(file, interleaved, frames), frames);
}

void SoundFileWriter::close() {
    SNDFILE* closing = file;
    file = nullptr;
    if (sf_close(closing) != 0) throw RenderError("cannot finish '" + name + "'");
}

} // namespace gravelo::render
