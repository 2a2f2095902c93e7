// What the host reads about the effect: names, numbers and slider records.
#pragma once

#include "CVobrixSamples.h"
#include "SliderInfo.h"

#include <string>
#include <vector>

class CVobrixDescription : public CVobrixSamples {
  public:
    std::vector<SliderInfo> sliderInfos;
    std::string effectName;
    std::string productString;
    std::string vendorString;
    std::string programName;
    int32_t vendorVersion = 0;
    uint32_t uniqueId = 0;
    int32_t channelCount = 0;
    // The editor panel the effect draws (0 × 0: none), and its redraw rate in
    // frames per second; mouse events raise gfxRate to at least that rate.
    int32_t editorWidth = 0;
    int32_t editorHeight = 0;
    double redrawRate = 30.0;
};
