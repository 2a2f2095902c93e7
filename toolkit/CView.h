// A rectangular, reference-counted element of the editor: bounds, a mouse
// area, visibility and dirty state, and virtual operations for drawing,
// mouse, wheel, keys, focus and drag-and-drop whose base versions do
// nothing. User-interface thread only.
#pragma once

#include "ButtonState.h"
#include "CBaseObject.h"
#include "ViewAttributes.h"
#include "ViewTypes.h"

#include "KeyCode.h"

namespace VSTGUI {

class CBitmap;
class CDrawContext;
class CDragContainer;
class CFrame;
class CViewContainer;
class VSTGUIEditorInterface;

// Edges included on every side: a point on the right or bottom edge hits.
inline bool pointInside(const ViewRect& r, const ViewPoint& p) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
// Rectangles meet when they overlap or share an edge.
inline bool rectsMeet(const ViewRect& a, const ViewRect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

class CView : public CBaseObject {
  public:
    explicit CView(const ViewRect& size);
    ~CView() override;

    virtual void draw(CDrawContext* context);
    virtual void drawRect(CDrawContext* context, const ViewRect& /*updateRect*/) { draw(context); }
    virtual bool checkUpdate(const ViewRect& rect) const { return rectsMeet(size, rect); }
    virtual bool isDirty() const { return dirty; }
    virtual void setDirty(bool state = true) { dirty = state; }
    virtual void invalidRect(const ViewRect& rect);
    virtual void invalid();
    virtual void setVisible(bool state);
    bool isVisible() const { return visible; }

    virtual CMouseEventResult onMouseDown(ViewPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseUp(ViewPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseMoved(ViewPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseEntered(ViewPoint& where, const CButtonState& buttons);
    virtual CMouseEventResult onMouseExited(ViewPoint& where, const CButtonState& buttons);
    virtual bool hitTest(const ViewPoint& where, const CButtonState& buttons = -1);
    virtual bool onWheel(const ViewPoint& where, const float& distance,
                         const CButtonState& buttons);
    virtual bool onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                         const CButtonState& buttons);
    virtual void setMouseEnabled(bool enable) { mouseEnabled = enable; }
    virtual bool getMouseEnabled() const { return mouseEnabled; }
    virtual void setMouseableArea(const ViewRect& rect) { mouseableArea = rect; }
    virtual ViewRect& getMouseableArea(ViewRect& rect) const { return rect = mouseableArea; }
    virtual const ViewRect& getMouseableArea() const { return mouseableArea; }

    virtual bool onDrop(CDragContainer* drag, const ViewPoint& where);
    virtual void onDragEnter(CDragContainer* drag, const ViewPoint& where);
    virtual void onDragLeave(CDragContainer* drag, const ViewPoint& where);
    virtual void onDragMove(CDragContainer* drag, const ViewPoint& where);

    virtual int32_t onKeyDown(KeyCode& key);
    virtual int32_t onKeyUp(KeyCode& key);

    virtual void setViewSize(const ViewRect& rect, bool invalidate = true);
    virtual ViewRect& getViewSize(ViewRect& rect) const { return rect = size; }
    virtual const ViewRect& getViewSize() const { return size; }
    virtual ViewRect getVisibleSize() const;

    virtual ViewPoint& frameToLocal(ViewPoint& point) const;
    virtual ViewPoint& localToFrame(ViewPoint& point) const;
    virtual ViewPoint& parentToFrame(ViewPoint& point) const;

    virtual void setAutosizeFlags(int32_t flags) { autosizeFlags = flags; }
    virtual int32_t getAutosizeFlags() const { return autosizeFlags; }

    virtual void looseFocus() {}
    virtual void takeFocus() {}
    virtual bool wantsFocus() const { return wantsFocusFlag; }
    virtual void setWantsFocus(bool state) { wantsFocusFlag = state; }

    virtual void setBackground(CBitmap* bitmap);
    virtual CBitmap* getBackground() const { return background; }
    virtual void setTransparency(bool state) { transparent = state; }
    virtual bool getTransparency() const { return transparent; }

    virtual bool removed(CView* parent);
    virtual bool attached(CView* parent);
    bool isAttached() const { return attachedFlag; }

    virtual VSTGUIEditorInterface* getEditor() const;
    virtual bool isTypeOf(const char* name) const;
    virtual CView* copy() const;
    // Legacy press handling for views that answer 0 to onMouseDown.
    virtual void mouse(CDrawContext* /*context*/, ViewPoint& /*where*/,
                       CButtonState /*buttons*/ = -1) {}
    // The pointer position in this view's parent coordinates.
    virtual void getMouseLocation(CDrawContext* context, ViewPoint& point);

    virtual void setParentView(CViewContainer* parent) { parentView = parent; }
    virtual void setParentFrame(CFrame* frame) { parentFrame = frame; }
    CViewContainer* getParentView() const { return parentView; }
    CFrame* getFrame() const { return parentFrame; }

    bool setAttribute(int32_t key, int32_t byteCount, const void* data) {
        return attributes.set(key, byteCount, data);
    }
    bool getAttribute(int32_t key, int32_t bufferSize, void* buffer, int32_t& outSize) const {
        return attributes.get(key, bufferSize, buffer, outSize);
    }
    bool getAttributeSize(int32_t key, int32_t& outSize) const {
        return attributes.getSize(key, outSize);
    }
    bool removeAttribute(int32_t key) { return attributes.remove(key); }

  protected:
    // Copies every field but the parent links and attachment into a new
    // view, so copy of subclasses can reuse it.
    void copyFieldsTo(CView& target) const;

    ViewRect size;
    ViewRect mouseableArea;
    CFrame* parentFrame = nullptr;
    CViewContainer* parentView = nullptr;
    bool dirty = false;
    bool mouseEnabled = true;
    bool transparent = false;
    bool wantsFocusFlag = false;
    bool attachedFlag = false;
    bool visible = true;
    int32_t autosizeFlags = 0;
    CBitmap* background = nullptr;
    ViewAttributes attributes;
};

} // namespace VSTGUI
