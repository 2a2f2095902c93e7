#include "CVobrixSliders.h"

#include "Numeric.h"

SharedValue& CVobrixSliders::slider(double number) {
    return sliderValues[static_cast<size_t>(gravelo::runtime::toIndex(number) &
                                            (kSliderCount - 1))];
}
