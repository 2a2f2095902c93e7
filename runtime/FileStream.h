// A named array of 32-bit floats with a position and a mode. Stream 0 carries
// the saved state chunk and has no name, so it never reaches the disk.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FileStream {
    enum Mode : int32_t { Closed = 0, Reading = 1, Writing = 2 };

    std::string name;
    int32_t position = 0;
    std::vector<float> buffer;
    int32_t mode = Closed;
};
