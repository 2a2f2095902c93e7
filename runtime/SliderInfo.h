// One record per defined slider, in definition order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SliderInfo {
    std::vector<std::string> labels; // enumeration labels; file names for a file-list slider
    bool scanned = false;
    int32_t number = 0;
    double* boundVariable = nullptr;
    double defaultValue = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.0;
    std::string folder;
    std::string reservedText;
    std::string label;
    std::string name;
};
