// Editor base that owns a frame window while open and pumps its idle.
#pragma once

#include "AEffEditor.h"

#include <cstdint>

namespace VSTGUI {
class CFrame;
}

class AEffGUIEditor : public AEffEditor {
public:
    explicit AEffGUIEditor(AudioEffect* effect);
    ~AEffGUIEditor() override = default;

    bool getRect(ERect** out) override;
    bool setKnobMode(VstInt32 mode) override;
    static VstInt32 getKnobMode();

    bool beginEdit(VstInt32 index);
    bool endEdit(VstInt32 index);

protected:
    VSTGUI::CFrame* frame = nullptr;
    ERect rect{};
    uint32_t nextIdleTime = 0;
    bool inIdle = false;
};
