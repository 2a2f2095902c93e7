// A progress bar on standard error, shown only to a person watching a
// terminal and only for files long enough to wait for.
#pragma once

#include <cstdint>

namespace gravelo::render {

class Progress {
  public:
    // `totalFrames` may be 0 or negative when the length is unknown.
    Progress(int64_t totalFrames, double sampleRate, bool allowed);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void update(int64_t framesDone);

  private:
    void draw(int percent);
    int64_t total;
    double rate;
    bool shown;
    int lastPercent = -1;
};

} // namespace gravelo::render
