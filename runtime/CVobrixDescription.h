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
};
