// Audio files through libsndfile: the reader of the input and the writer of
// the output, whose format follows the output file's extension.
#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>

namespace gravelo::render {

// How samples are stored in the output: float by default for the
// uncompressed formats (an amplifier may go past full scale), integer PCM
// when asked for or when the format has no float.
enum class SampleFormat { Float, Double, Pcm16, Pcm24 };

// The libsndfile format for `path`'s extension; throws RenderError for an
// extension no supported format uses.
int outputFormatFor(const std::string& path, SampleFormat samples);
// The list printed in messages and help.
const char* supportedOutputExtensions();

class SoundFileReader {
  public:
    // Throws RenderError when the file is missing, unreadable or not audio.
    explicit SoundFileReader(const std::string& path);
    ~SoundFileReader();
    SoundFileReader(const SoundFileReader&) = delete;
    SoundFileReader& operator=(const SoundFileReader&) = delete;

    int channels() const { return info.channels; }
    int sampleRate() const { return info.samplerate; }
    int64_t frames() const { return info.frames; }

    // Interleaved frames; answers how many were read (0 at the end).
    int64_t read(float* interleaved, int64_t frames);
    int64_t read(double* interleaved, int64_t frames);

  private:
    int64_t checked(sf_count_t got);
    std::string path;
    SF_INFO info{};
    SNDFILE* file = nullptr;
};

class SoundFileWriter {
  public:
    // Writes through the open descriptor `fd`, which stays the caller's;
    // `name` is for messages.
    SoundFileWriter(int fd, const std::string& name, int format, int sampleRate, int channels);
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    void write(const float* interleaved, int64_t frames);
    void write(const double* interleaved, int64_t frames);
    // Finishes the headers and closes; throws RenderError on failure.
    void close();

  private:
    void checked(sf_count_t wrote, int64_t frames);
    std::string name;
    SNDFILE* file = nullptr;
};

} // namespace gravelo::render
