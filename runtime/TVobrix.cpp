#include "TVobrix.h"

#include "Spectral.h"
#include "VeSTServices.h"
#include "platform/Platform.h"

#include <cstring>

TVobrix::TVobrix() : processClock(&gravelo::runtime::platform::processClockMs) {
    gravelo::runtime::spectral::buildTables();
    openRuntimeState();
}

void TVobrix::openRuntimeState() {
    clearMemory();
    clearStrings();
    lastRepaint = 0;
}

void TVobrix::doOpen() {
    openRuntimeState();
}

void TVobrix::doResume() {
    doInit();
    doSlider();
}

void TVobrix::doInitOnce() {
    if (initCount == 0) doInit();
    ++initCount;
}

void TVobrix::doIdle() {
    const double rate = gfxRate;
    if (!(rate > 0.0)) return;
    const int32_t elapsed = static_cast<int32_t>(static_cast<uint32_t>(processClock()) -
                                                 static_cast<uint32_t>(lastRepaint));
    if (elapsed > 1000.0 / rate) {
        VeSTRepaintEditor(shell);
        lastRepaint = processClock();
    }
}

int32_t TVobrix::getState(void** data, bool /*isPreset*/) {
    FileStream& stream = stateStream();
    closeFile(stream);
    stream.mode = FileStream::Writing;
    double marker = kStateMarker;
    streamValue(stream, marker);
    const size_t markerOnly = stream.buffer.size();
    doSerialize();
    if (stream.buffer.size() == markerOnly) return 0;
    if (data != nullptr) *data = stream.buffer.data();
    return static_cast<int32_t>(stream.buffer.size() * sizeof(float));
}

int32_t TVobrix::setState(const void* data, int32_t byteCount, bool /*isPreset*/) {
    FileStream& stream = stateStream();
    closeFile(stream);
    stream.mode = FileStream::Reading;
    const size_t count =
        data != nullptr && byteCount > 0 ? static_cast<size_t>(byteCount) / sizeof(float) : 0;
    stream.buffer.resize(count);
    if (count > 0) std::memcpy(stream.buffer.data(), data, count * sizeof(float));
    if (stream.buffer.empty()) return byteCount;
    double marker = 0.0;
    streamValue(stream, marker);
    if (marker != static_cast<double>(kStateMarker)) return byteCount;
    doInitOnce();
    doSerialize();
    doSlider();
    return byteCount;
}

void TVobrix::addSlider(int32_t number, double* boundVariable, double defaultValue, double minimum,
                        double maximum, double step, std::string folder, std::string reservedText,
                        std::string label, std::string name) {
    // Numbers outside the 128 slider values are refused rather than written past the array.
    if (number < 0 || number >= kSliderCount) return;
    sliderValues[static_cast<size_t>(number)] = defaultValue;
    SliderInfo info;
    info.number = number;
    info.boundVariable = boundVariable;
    info.defaultValue = defaultValue;
    info.minimum = minimum;
    info.maximum = maximum;
    info.step = step;
    info.folder = std::move(folder);
    info.reservedText = std::move(reservedText);
    info.label = std::move(label);
    info.name = std::move(name);
    sliderInfos.push_back(std::move(info));
    SliderInfo& added = sliderInfos.back();
    if (!added.scanned) completeSliderRecord(added);
}

void TVobrix::completeSliderRecord(SliderInfo& info) {
    info.scanned = true;
    if (info.folder.empty()) return;
    for (std::string& fileName : listFolder(info.folder))
        info.labels.push_back(std::move(fileName));
    if (info.labels.empty()) info.labels.push_back("(No Data Files)");
    info.minimum = 0.0;
    info.maximum = static_cast<double>(info.labels.size()) - 1.0;
    info.defaultValue = 0.0;
    info.step = 0.5;
}
