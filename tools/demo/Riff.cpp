#include "Riff.h"

#include "BassString.h"

#include <algorithm>
#include <cmath>

namespace gravelo::demo {

namespace {

constexpr double kTempo = 110.0;
constexpr double kEighth = 0.5;
// A bass player lifts the finger a little before the next note.
constexpr double kNoteHold = 0.85;
constexpr double kFinalRingSeconds = 1.5;
constexpr int kStrings = 2;

std::vector<Note> bar(std::initializer_list<int> notes) {
    std::vector<Note> result;
    int position = 0;
    for (int note : notes) {
        // Accents on the beats, the off-beats lighter.
        const double velocity = position % 4 == 0 ? 0.95 : position % 2 == 0 ? 0.8 : 0.65;
        result.push_back({note, kEighth, velocity});
        ++position;
    }
    return result;
}

double frequencyOf(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

} // namespace

double riffTempo() {
    return kTempo;
}

std::vector<Note> riff() {
    const std::vector<std::vector<Note>> bars = {
        bar({28, 28, 40, 28, 31, 33, 35, 38}), bar({28, 28, 40, 28, 43, 40, 38, 35}),
        bar({33, 33, 45, 33, 36, 38, 40, 38}), bar({28, 28, 40, 28, 31, 33, 35, 38}),
        bar({31, 31, 43, 31, 33, -1, 45, 33}), bar({35, 35, 38, 40, 43, 40, 38, 35}),
    };
    std::vector<Note> notes;
    for (const auto& b : bars)
        notes.insert(notes.end(), b.begin(), b.end());
    notes.push_back({28, 4.0, 1.0});
    return notes;
}

std::vector<float> perform(double sampleRate, double seconds, float peak) {
    const double beat = 60.0 / kTempo;
    const std::vector<Note> score = riff();
    double scoreBeats = 0.0;
    for (const Note& note : score)
        scoreBeats += note.beats;
    const double once = scoreBeats * beat + kFinalRingSeconds;
    const auto total = static_cast<int64_t>(std::max(seconds, once) * sampleRate);
    std::vector<float> out(static_cast<size_t>(total), 0.0f);

    // Alternate strings so a note rings on while the next one starts.
    std::vector<BassString> strings;
    for (int s = 0; s < kStrings; ++s)
        strings.emplace_back(sampleRate, 0x6b617373u + static_cast<uint32_t>(s) * 7919u);
    int64_t at = 0;
    size_t index = 0;
    while (at < total) {
        const Note& note = score[index % score.size()];
        BassString& string = strings[index % strings.size()];
        const bool closing = index % score.size() == score.size() - 1;
        auto length = static_cast<int64_t>(
            (note.beats * beat + (closing ? kFinalRingSeconds : 0.0)) * sampleRate);
        // The last note of the file rings to the end.
        const bool final = at + length >= total;
        if (final) length = total - at;
        const auto held =
            final ? length : static_cast<int64_t>(static_cast<double>(length) * kNoteHold);
        if (note.midiNote >= 0) string.pluck(frequencyOf(note.midiNote), note.velocity);
        for (BassString& s : strings)
            s.render(out.data() + at, held);
        string.mute();
        for (BassString& s : strings)
            s.render(out.data() + at + held, length - held);
        at += length;
        ++index;
    }
    float loudest = 0.0f;
    for (float v : out)
        loudest = std::max(loudest, std::abs(v));
    if (loudest > 0.0f)
        for (float& v : out)
            v *= peak / loudest;
    return out;
}

} // namespace gravelo::demo
