// A view holding an ordered list of child views: it draws them first to
// last, routes the mouse to the topmost one under the pointer and finds
// the view under a point. The list holds one reference to each child.
// User-interface thread only.
#pragma once

#include "CView.h"
#include "Colour.h"

#include <list>

namespace VSTGUI {

class COffscreenContext;

class CViewContainer : public CView {
  public:
    CViewContainer(const ViewRect& size, CFrame* frame, CBitmap* background = nullptr);
    ~CViewContainer() override;

    CMessageResult notify(CBaseObject* sender, const char* message) override;

    // ---- drawing and invalidation (CViewContainerDraw.cpp)
    void draw(CDrawContext* context) override;
    void drawRect(CDrawContext* context, const ViewRect& updateRect) override;
    bool isDirty() const override;
    void invalidRect(const ViewRect& rect) override;
    void invalid() override;

    // ---- mouse, wheel and drops
    CMouseEventResult onMouseDown(ViewPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(ViewPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(ViewPoint& where, const CButtonState& buttons) override;
    bool hitTest(const ViewPoint& where, const CButtonState& buttons = -1) override;
    bool onWheel(const ViewPoint& where, const float& distance,
                 const CButtonState& buttons) override;
    bool onWheel(const ViewPoint& where, const CMouseWheelAxis& axis, const float& distance,
                 const CButtonState& buttons) override;
    bool onDrop(CDragContainer* drag, const ViewPoint& where) override;
    void onDragEnter(CDragContainer* drag, const ViewPoint& where) override;
    void onDragLeave(CDragContainer* drag, const ViewPoint& where) override;
    void onDragMove(CDragContainer* drag, const ViewPoint& where) override;

    void setViewSize(const ViewRect& rect, bool invalidate = true) override;
    using CView::getVisibleSize;
    ViewPoint& frameToLocal(ViewPoint& point) const override;
    ViewPoint& parentToFrame(ViewPoint& point) const override;
    void looseFocus() override;
    void takeFocus() override;
    bool removed(CView* parent) override;
    bool attached(CView* parent) override;
    bool isTypeOf(const char* name) const override;
    CView* copy() const override;
    void mouse(CDrawContext* context, ViewPoint& where, CButtonState buttons = -1) override;

    // ---- children
    virtual bool addView(CView* view);
    virtual bool addView(CView* view, const ViewRect& mouseableArea, bool mouseEnabled = true);
    virtual bool addView(CView* view, CView* before);
    virtual bool removeView(CView* view, bool withForget = true);
    virtual bool removeAll(bool withForget = true);
    virtual bool isChild(CView* view) const;
    virtual bool isChild(CView* view, bool deep) const;
    virtual CView* getView(int32_t index) const;
    int32_t getNbViews() const { return int32_t(children.size()); }
    virtual CView* getViewAt(const ViewPoint& where, bool deep = false) const;
    virtual CViewContainer* getContainerAt(const ViewPoint& where, bool deep = true) const;

    virtual void setBackgroundColor(Colour colour);
    virtual Colour getBackgroundColor() const { return backgroundColour; }
    virtual void setBackgroundOffset(const ViewPoint& offset) { backgroundOffset = offset; }
    virtual const ViewPoint& getBackgroundOffset() const { return backgroundOffset; }
    virtual void drawBackgroundRect(CDrawContext* context, const ViewRect& rect);
    virtual void setDrawInOffscreen(bool state);
    bool getDrawInOffscreen() const { return drawInOffscreen; }
    virtual bool advanceNextFocusView(CView* view, bool reverse = false);
    virtual bool updateDirtyViews();
    // The part of child's bounds this container shows, in its coordinates.
    virtual ViewRect getVisibleSize(const CView& child) const;
    virtual CView* getViewAtMouse() const;
    virtual bool isVisibleIn(const CView& view, const ViewRect& rect) const;
    virtual bool hitTestSubViews(const ViewPoint& where, const CButtonState& buttons = -1);

    CView* getMouseDownView() const { return mouseDownView; }

  protected:
    // Where converted from the parent's coordinates into this container's.
    ViewPoint toLocal(const ViewPoint& where) const;
    // Children from the top of the drawing order (last added) down.
    template <typename Visit> CView* findFromTop(Visit visit) const;
    void drawChildren(CDrawContext* context, const ViewRect& local);
    void drawThroughOffscreen(CDrawContext* context, const ViewRect& local);

    std::list<CView*> children;
    COffscreenContext* offscreen = nullptr;
    Colour backgroundColour = kBlackColour;
    ViewPoint backgroundOffset;
    bool drawInOffscreen = false;
    CView* mouseDownView = nullptr;
    CView* lastDrawnFocus = nullptr; // kept null
};

template <typename Visit> CView* CViewContainer::findFromTop(Visit visit) const {
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        if (visit(*it)) return *it;
    return nullptr;
}

} // namespace VSTGUI
