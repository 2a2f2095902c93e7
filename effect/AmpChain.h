// Placeholder of the amplifier's signal chain; replaced by the DSP work.
#pragma once

class AmpChain {
public:
    void open() {}
};
