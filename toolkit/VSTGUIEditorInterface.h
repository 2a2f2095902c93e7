// The face through which a frame reaches its editor: idle pumping while a
// legacy mouse loop runs, the knob mode and parameter gestures, and news of
// the system's content scale.
// User-interface thread only.
#pragma once

#include <cstdint>

namespace VSTGUI {

class VSTGUIEditorInterface {
  public:
    virtual void pumpIdle() = 0;
    virtual int32_t getKnobMode() const = 0;
    virtual bool beginEdit(int32_t index) = 0;
    virtual bool endEdit(int32_t index) = 0;
    // The system's scale for the frame's window changed (0: it says none);
    // the editor decides whether the frame follows.
    virtual void systemScaleChanged(double /*systemScale*/) {}
    virtual ~VSTGUIEditorInterface() = default;
};

} // namespace VSTGUI
