// The editor window's picture against the offscreen panel picture of the
// same state, drawn by the same drawing code built into this program.
#pragma once

#include "host/VstInterface.h"

#include <cstdint>
#include <string>
#include <vector>

struct PixelComparison {
    size_t outsideText = 0; // differing pixels where no text is drawn
    size_t insideText = 0;  // differing pixels in the text areas
    size_t compared = 0;
};

// Draws the panel offscreen with effect's state (its chunk) at scale and
// compares; window holds the panel's size times scale.
PixelComparison compareWithOffscreen(AEffect* effect, const std::vector<uint32_t>& window,
                                     const std::string& saveAs, double scale = 1.0);
bool inTextArea(int x, int y);
bool writePpm(const std::string& path, const std::vector<uint32_t>& pixels, int width, int height);
