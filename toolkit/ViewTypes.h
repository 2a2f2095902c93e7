// Value types of the toolkit's geometry: points and rectangles in view
// pixels, as doubles; they become integers only at the graphics library.
#pragma once

#include <algorithm>

namespace VSTGUI {

struct ViewPoint {
    double x = 0.0;
    double y = 0.0;

    ViewPoint() = default;
    ViewPoint(double atX, double atY) : x(atX), y(atY) {}

    ViewPoint& offset(double dx, double dy) {
        x += dx;
        y += dy;
        return *this;
    }
    ViewPoint& offset(const ViewPoint& by) { return offset(by.x, by.y); }

    bool operator==(const ViewPoint&) const = default;
};

struct ViewRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    ViewRect() = default;
    ViewRect(double leftEdge, double topEdge, double rightEdge, double bottomEdge)
        : left(leftEdge), top(topEdge), right(rightEdge), bottom(bottomEdge) {}
    ViewRect(const ViewPoint& origin, double width, double height)
        : left(origin.x), top(origin.y), right(origin.x + width), bottom(origin.y + height) {}

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    ViewPoint topLeft() const { return {left, top}; }
    bool isEmpty() const { return right <= left || bottom <= top; }

    ViewRect& offset(double dx, double dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    ViewRect& offset(const ViewPoint& by) { return offset(by.x, by.y); }

    // Left edge and top edge inside, right and bottom edges outside.
    bool contains(const ViewPoint& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    // Orders the corners so that left <= right and top <= bottom.
    ViewRect& normalise() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
        return *this;
    }

    // Shrinks to the area shared with other; an empty result keeps
    // right >= left and bottom >= top so width() and height() stay >= 0.
    ViewRect& intersect(const ViewRect& other) {
        left = std::max(left, other.left);
        top = std::max(top, other.top);
        right = std::max(left, std::min(right, other.right));
        bottom = std::max(top, std::min(bottom, other.bottom));
        return *this;
    }

    bool operator==(const ViewRect&) const = default;
};

} // namespace VSTGUI
