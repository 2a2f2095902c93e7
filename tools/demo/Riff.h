// The demo's bass line: a score of notes and its performance by a few
// plucked strings into a mono buffer.
#pragma once

#include <cstdint>
#include <vector>

namespace gravelo::demo {

struct Note {
    int midiNote;    // -1: a rest
    double beats;    // length in beats
    double velocity; // 0..1
};

// About 14 seconds at 110 beats per minute, ending on a ringing low E.
std::vector<Note> riff();
double riffTempo();

// The riff played (and repeated until `seconds` when that is longer),
// peak-normalised to `peak`.
std::vector<float> perform(double sampleRate, double seconds, float peak);

} // namespace gravelo::demo
