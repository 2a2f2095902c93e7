// The owned box behind an image handle of the image services.
#pragma once

namespace VSTGUI {
class CBitmap;
}

struct VeSTImage {
    VSTGUI::CBitmap* bitmap = nullptr; // one reference held
};
