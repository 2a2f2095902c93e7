#include "Progress.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace gravelo::render {

namespace {
constexpr double kMinimumSeconds = 5.0;
constexpr int kBarWidth = 40;
} // namespace

Progress::Progress(int64_t totalFrames, double sampleRate, bool allowed)
    : total(totalFrames), rate(sampleRate),
      shown(allowed && totalFrames > 0 &&
            static_cast<double>(totalFrames) / sampleRate > kMinimumSeconds &&
            isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    if (shown && lastPercent >= 0) std::fputc('\n', stderr);
}

void Progress::update(int64_t framesDone) {
    if (!shown) return;
    const int percent = static_cast<int>(std::clamp<int64_t>(framesDone * 100 / total, 0, 100));
    if (percent != lastPercent) draw(percent);
    lastPercent = percent;
}

void Progress::draw(int percent) {
    const int filled = percent * kBarWidth / 100;
    const std::string bar = std::string(static_cast<size_t>(filled), '#') +
                            std::string(static_cast<size_t>(kBarWidth - filled), '-');
    std::fprintf(stderr, "\r[%s] %3d%%  %.1f s", bar.c_str(), percent,
                 static_cast<double>(total) / rate * percent / 100.0);
    std::fflush(stderr);
}

} // namespace gravelo::render
