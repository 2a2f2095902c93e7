// Placeholder of the panel's state; replaced by the panel work.
#pragma once

class TVobrix;

class Panel {
public:
    void open() {}
    void takeSliderValues(TVobrix& /*runtime*/) {}
};
