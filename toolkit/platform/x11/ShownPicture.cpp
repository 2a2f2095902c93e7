// Finding the rows and columns of a repaint that differ from what the
// server shows.
#include "ShownPicture.h"

#include <algorithm>
#include <cstring>

namespace VSTGUI::platform {
namespace {

// Full red and green with zero alpha: no premultiplied pixel has colour
// above its alpha, so a forgotten pixel never matches a drawn one.
constexpr uint32_t kUnknown = 0x00ffffffu;

// The columns [first, last] of a row that differ; first > last when none.
struct Span {
    int first;
    int last;
};

Span differingColumns(const uint32_t* now, const uint32_t* shown, int from, int to) {
    if (std::memcmp(now + from, shown + from, size_t(to - from) * 4) == 0) return {to, from - 1};
    int first = from;
    while (now[first] == shown[first])
        ++first;
    int last = to - 1;
    while (now[last] == shown[last])
        --last;
    return {first, last};
}

} // namespace

void ShownPicture::reset(int w, int h) {
    width = std::max(w, 0);
    height = std::max(h, 0);
    pixels.assign(size_t(width) * size_t(height), kUnknown);
}

PixelBox ShownPicture::clipped(PixelBox area) const {
    const int left = std::max(area.x, 0), top = std::max(area.y, 0);
    const int right = std::min(area.x + area.width, width),
              bottom = std::min(area.y + area.height, height);
    return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

void ShownPicture::forget(PixelBox area) {
    const PixelBox box = clipped(area);
    for (int y = box.y; y < box.y + box.height; ++y)
        std::fill_n(row(y) + box.x, box.width, kUnknown);
}

// Consecutive changed rows make one box as wide as their changes together;
// an unchanged row ends it, so a still picture yields no box at all.
std::vector<PixelBox> ShownPicture::takeChanges(const unsigned char* picture, int stride,
                                                PixelBox area) {
    std::vector<PixelBox> changes;
    const PixelBox box = clipped(area);
    if (picture == nullptr || box.width == 0 || box.height == 0) return changes;
    const int right = box.x + box.width;
    PixelBox open{0, 0, 0, 0};
    int openRight = 0;
    for (int y = box.y; y < box.y + box.height; ++y) {
        const auto* now = reinterpret_cast<const uint32_t*>(picture + size_t(y) * size_t(stride));
        const Span span = differingColumns(now, row(y), box.x, right);
        if (span.first > span.last) {
            if (open.height > 0)
                changes.push_back({open.x, open.y, openRight - open.x, open.height});
            open.height = 0;
            continue;
        }
        std::memcpy(row(y) + span.first, now + span.first, size_t(span.last - span.first + 1) * 4);
        if (open.height == 0) {
            open = {span.first, y, 0, 0};
            openRight = span.last + 1;
        }
        open.x = std::min(open.x, span.first);
        openRight = std::max(openRight, span.last + 1);
        ++open.height;
    }
    if (open.height > 0) changes.push_back({open.x, open.y, openRight - open.x, open.height});
    return changes;
}

} // namespace VSTGUI::platform
