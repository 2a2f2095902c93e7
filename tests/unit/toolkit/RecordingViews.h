// Views that record what reaches them, for the plain view tests.
#pragma once

#include "toolkit/CDrawContext.h"
#include "toolkit/CViewContainer.h"

#include <string>
#include <vector>

struct MouseCall {
    std::string kind;
    VSTGUI::ViewPoint where;
    VSTGUI::CButtonState buttons;
};

class RecordingView : public VSTGUI::CView {
  public:
    explicit RecordingView(const VSTGUI::ViewRect& bounds,
                           VSTGUI::Colour paint = VSTGUI::kWhiteColour, bool* deletedFlag = nullptr)
        : CView(bounds), colour(paint), deleted(deletedFlag) {}
    ~RecordingView() override {
        if (deleted != nullptr) *deleted = true;
    }

    VSTGUI::CMouseEventResult onMouseDown(VSTGUI::ViewPoint& where,
                                          const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"down", where, buttons});
        return downAnswer;
    }
    VSTGUI::CMouseEventResult onMouseUp(VSTGUI::ViewPoint& where,
                                        const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"up", where, buttons});
        return VSTGUI::kMouseEventHandled;
    }
    VSTGUI::CMouseEventResult onMouseMoved(VSTGUI::ViewPoint& where,
                                           const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"moved", where, buttons});
        return movedAnswer;
    }
    VSTGUI::CMouseEventResult onMouseEntered(VSTGUI::ViewPoint& where,
                                             const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"entered", where, buttons});
        return VSTGUI::kMouseEventHandled;
    }
    VSTGUI::CMouseEventResult onMouseExited(VSTGUI::ViewPoint& where,
                                            const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"exited", where, buttons});
        return VSTGUI::kMouseEventHandled;
    }
    bool onWheel(const VSTGUI::ViewPoint& where, const float& distance,
                 const VSTGUI::CButtonState& buttons) override {
        calls.push_back({"wheel", where, buttons});
        wheelDistances.push_back(distance);
        return true;
    }
    void draw(VSTGUI::CDrawContext* context) override {
        ++draws;
        context->setFillColor(colour);
        context->drawRect(size, VSTGUI::kDrawFilled);
        setDirty(false);
    }
    void takeFocus() override { ++focusTaken; }
    void looseFocus() override { ++focusLost; }
    void invalid() override {
        ++invalidations;
        CView::invalid();
    }

    std::vector<MouseCall> calls;
    std::vector<float> wheelDistances;
    VSTGUI::CMouseEventResult downAnswer = VSTGUI::kMouseEventHandled;
    VSTGUI::CMouseEventResult movedAnswer = VSTGUI::kMouseEventHandled;
    VSTGUI::Colour colour;
    bool* deleted;
    int draws = 0;
    int focusTaken = 0;
    int focusLost = 0;
    int invalidations = 0;
};

// A container that keeps the rectangles handed up to it and the
// notifications it receives.
class RecordingContainer : public VSTGUI::CViewContainer {
  public:
    explicit RecordingContainer(const VSTGUI::ViewRect& bounds) : CViewContainer(bounds, nullptr) {}

    void invalidRect(const VSTGUI::ViewRect& rect) override {
        invalidated.push_back(rect);
        CViewContainer::invalidRect(rect);
    }
    VSTGUI::CMessageResult notify(VSTGUI::CBaseObject* sender, const char* message) override {
        messages.push_back(message);
        return CViewContainer::notify(sender, message);
    }

    std::vector<VSTGUI::ViewRect> invalidated;
    std::vector<const char*> messages;
};
