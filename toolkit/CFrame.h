// The top container of the view tree and the owner of the editor's one
// native window: a child window inside the window the host hands to the
// editor. It turns the window's events into calls on the views, keeps the
// view holding the mouse, the view under the pointer, the focus view and a
// modal view, and paints damaged areas double-buffered.
// User-interface thread only.
#pragma once

#include "CViewContainer.h"
#include "platform/WindowBackend.h"

#include <memory>

namespace VSTGUI {

class VSTGUIEditorInterface;

// Told of the pointer entering and leaving views; optional.
class IMouseObserver {
  public:
    virtual void onMouseEntered(CView* view, CFrame* frame) = 0;
    virtual void onMouseExited(CView* view, CFrame* frame) = 0;
    virtual void onMouseDown(CFrame* frame, const ViewPoint& where) = 0;
    virtual void onMouseMoved(CFrame* frame, const ViewPoint& where) = 0;

  protected:
    ~IMouseObserver() = default;
};

class CFrame : public CViewContainer, private platform::WindowListener {
  public:
    // parent: the host's native window; null makes a frame without window.
    // size is in the frame's units, which everything above the frame uses;
    // its window is scale times larger (see ContentScale.h, clamped there).
    CFrame(const ViewRect& size, void* parent, VSTGUIEditorInterface* editor, double scale = 1.0);
    ~CFrame() override;

    // ---- CView / CViewContainer (CFrame.cpp)
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const ViewRect& updateRect) override;
    void invalidRect(const ViewRect& rect) override;
    void invalid() override;
    void setViewSize(const ViewRect& rect, bool invalidate = true) override;
    bool isTypeOf(const char* name) const override;
    // A frame owns a window and cannot be copied: answers null.
    CView* copy() const override { return nullptr; }

    // ---- input (CFrameInput.cpp)
    CMouseEventResult onMouseDown(ViewPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(ViewPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(ViewPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseExited(ViewPoint& where, const CButtonState& buttons) override;
    bool onWheel(const ViewPoint& where, const float& distance,
                 const CButtonState& buttons) override;
    bool onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                 const CButtonState& buttons) override;
    int32_t onKeyDown(KeyCode& key) override;
    int32_t onKeyUp(KeyCode& key) override;
    // The legacy tracking loop for views that answer 0 to onMouseDown.
    void mouse(CDrawContext* context, ViewPoint& where, CButtonState buttons = -1) override;
    bool advanceNextFocusView(CView* view, bool reverse = false) override;
    CView* getViewAtMouse() const override;

    // ---- frame operations
    bool isOpen() const { return open; }
    // Updates dirty views, then drains the window's events and paints.
    virtual void idle();
    virtual void pumpEditorIdle();
    // Paints what the window reported damaged, taking no other event.
    void paintPending();
    virtual uint32_t getTicks() const;
    virtual int32_t getKnobMode() const;
    virtual bool getPosition(int32_t& x, int32_t& y) const;
    // In units: the window takes width x height times the content scale.
    virtual bool setSize(double width, double height);
    // Physical pixels per unit. A new scale resizes the window around the
    // same units and repaints it all; false when the scale is unchanged (after
    // clamping) or the window could not take the new size.
    bool setContentScale(double scale);
    double getContentScale() const { return contentScale; }
    virtual bool getSize(ViewRect& rect) const;
    virtual bool setModalView(CView* view);
    CView* getModalView() const { return modalView; }
    virtual void beginEdit(int32_t index);
    virtual void endEdit(int32_t index);
    virtual bool getCurrentMouseLocation(ViewPoint& where) const;
    virtual CButtonState getCurrentMouseButtons() const;
    virtual void setCursor(int32_t type);
    virtual void setFocusView(CView* view);
    CView* getFocusView() const { return focusView; }
    virtual void onViewRemoved(CView* view);
    // Registers the window as a drop target (where the window system has
    // drag and drop) and records the flag; false without a window.
    virtual bool setDropActive(bool active);
    bool isDropActive() const { return dropActive; }
    void setOpen(bool state) { open = state; }
    bool getOpen() const { return open; }
    // Marks dirty every child whose bounds meet rect.
    void invalidate(const ViewRect& rect);
    IMouseObserver* getMouseObserver() const { return mouseObserver; }
    void setMouseObserver(IMouseObserver* observer) { mouseObserver = observer; }

    VSTGUIEditorInterface* getEditor() const override { return editor; }
    // A context on the window's back buffer (or one that draws nothing
    // without a window); the caller forgets it.
    CDrawContext* createDrawContext();
    // True while the native window exists.
    bool hasWindow() const { return window != nullptr && window->isAlive(); }
    void* getSystemWindow() const { return systemWindow; }
    void* getNativeWindow() const { return hasWindow() ? window->nativeHandle() : nullptr; }
    // The window's event descriptor for a host's poll loop; -1 if none.
    int getEventDescriptor() const { return hasWindow() ? window->eventDescriptor() : -1; }

  private:
    // ---- platform::WindowListener
    void windowPaint(const ViewRect& damaged) override;
    CMouseEventResult windowMouseDown(ViewPoint where, CButtonState buttons) override;
    void windowMouseUp(ViewPoint where, CButtonState buttons) override;
    void windowMouseMoved(ViewPoint where, CButtonState buttons) override;
    void windowWheel(ViewPoint where, CMouseWheelAxis axis, float distance,
                     CButtonState buttons) override;
    void windowMouseLeft() override;
    void windowDestroyed() override;
    void windowDragEnter(CDragContainer* drag) override;
    void windowDragMove(CDragContainer* drag) override;
    void windowDragLeave(CDragContainer* drag) override;
    bool windowDrop(CDragContainer* drag) override;
    void windowSystemScaleChanged(double systemScale) override;
    ViewPoint pointerInFrame() const;

    CMouseEventResult modalMouseDown(ViewPoint& where, const CButtonState& buttons);
    CMouseEventResult trackMouseOver(ViewPoint& where, const CButtonState& buttons);
    void notifyFocusContainers(CView* view, const char* message);

    VSTGUIEditorInterface* editor;
    IMouseObserver* mouseObserver = nullptr;
    void* systemWindow;
    CView* modalView = nullptr;
    CView* focusView = nullptr;
    CView* mouseOverView = nullptr;
    bool firstDraw = true;
    bool open = true;
    bool dropActive = false;
    bool trackingLeave = false;
    // Inside the legacy tracking loop only paints are taken from the window,
    // so no other mouse event re-enters the views meanwhile.
    bool trackingMouse = false;
    double contentScale = 1.0;
    std::unique_ptr<platform::NativeWindow> window;
    CDrawContext* drawContext = nullptr; // a context to reuse; none here
};

} // namespace VSTGUI
