#include "StateChunk.h"

#include "HostParameters.h"
#include "Numeric.h"
#include "TVobrix.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace gravelo::runtime {

namespace {

bool carriesMarker(const void* data, size_t size) {
    if (data == nullptr || size < sizeof(float)) return false;
    float marker = 0.0f;
    std::memcpy(&marker, data, sizeof marker);
    return marker == TVobrix::kStateMarker;
}

} // namespace

bool passesStrictCheck(const TVobrix& runtime, const void* data, size_t size, size_t expected) {
    if (size != expected || !carriesMarker(data, size)) return false;
    std::vector<float> values(size / sizeof(float));
    std::memcpy(values.data(), data, values.size() * sizeof(float));
    for (float v : values)
        if (!std::isfinite(v)) return false;
    for (const SliderInfo& info : runtime.sliderInfos) {
        if (static_cast<size_t>(info.number) >= values.size()) continue;
        const double v = values[static_cast<size_t>(info.number)];
        if (v < info.minimum - kEqualTolerance || v > info.maximum + kEqualTolerance) return false;
    }
    return true;
}

double loadedValue(const TVobrix& runtime, int32_t number, double saved) {
    for (const SliderInfo& info : runtime.sliderInfos)
        if (info.number == number) return takeSavedValue(info, static_cast<float>(saved));
    return saved;
}

bool loadedValues(const TVobrix& runtime, const void* data, size_t size, size_t expected,
                  std::span<double> values) {
    if (values.size() != runtime.sliderInfos.size() ||
        !passesStrictCheck(runtime, data, size, expected))
        return false;
    for (size_t i = 0; i < values.size(); ++i) {
        const SliderInfo& info = runtime.sliderInfos[i];
        // The marker, then each slider at the place of its number, as the
        // serialize hook writes them; a slider past the chunk's end keeps its
        // value, as a load leaves it.
        const auto place = static_cast<size_t>(info.number);
        if (place >= size / sizeof(float)) {
            values[i] = runtime.sliderValues[place];
            continue;
        }
        float saved = 0.0f;
        std::memcpy(&saved, static_cast<const uint8_t*>(data) + sizeof(float) * place,
                    sizeof saved);
        values[i] = takeSavedValue(info, saved);
    }
    return true;
}

bool storeLoadedValue(TVobrix& runtime, const SliderInfo& info, double loaded) {
    SharedValue& current = runtime.sliderValues[static_cast<size_t>(info.number)];
    if (std::isnan(loaded) || loaded == current) return false;
    current = loaded;
    if (info.boundVariable != nullptr) *info.boundVariable = loaded;
    runtime.hostChanges.note(static_cast<size_t>(info.number), loaded);
    return true;
}

bool loadState(TVobrix& runtime, const void* data, size_t size, StateCheck check) {
    if (check == StateCheck::Strict) {
        // Exactly what the runtime saves now.
        const int32_t saved = runtime.getState(nullptr, false);
        if (saved <= 0 || !passesStrictCheck(runtime, data, size, static_cast<size_t>(saved)))
            return false;
    }
    const size_t limit = static_cast<size_t>(std::numeric_limits<int32_t>::max());
    runtime.setState(data, static_cast<int32_t>(size < limit ? size : limit), false);
    return carriesMarker(data, size);
}

} // namespace gravelo::runtime
