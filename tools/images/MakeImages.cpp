// gravelo-make-images <folder>: draws the five panel images and writes them
// as knob.png, knob2.png, led.png, bg.png and knob3.png into the folder,
// and each again drawn at twice and three times the scale for screens with
// more pixels per panel pixel (knob@2x.png, knob@3x.png, ...); and the
// application icon into its icons/ folder, at the desktop theme's sizes
// (gravelo-amp-48.png, ...) and as gravelo.ico for Windows.
#include "Background.h"
#include "Icon.h"
#include "Knob.h"
#include "Led.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

using namespace gravelo::images;

namespace {

bool save(cairo_surface_t* surface, const std::string& folder, const char* stem, int scale) {
    const std::string suffix = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
    const std::string path = folder + "/" + stem + suffix + ".png";
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "gravelo-make-images: cannot write %s: %s\n", path.c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

bool saveIcons(const std::string& folder) {
    const std::string icons = folder + "/icons";
    std::error_code error;
    std::filesystem::create_directories(icons, error);
    bool ok = true;
    std::vector<cairo_surface_t*> forIco;
    for (int pixels : {16, 24, 32, 48, 64, 128, 256}) {
        cairo_surface_t* icon = makeIcon(pixels);
        const std::string path = icons + "/gravelo-amp-" + std::to_string(pixels) + ".png";
        if (cairo_surface_write_to_png(icon, path.c_str()) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "gravelo-make-images: cannot write %s\n", path.c_str());
            ok = false;
        } else {
            std::printf("%s\n", path.c_str());
        }
        if (pixels == 16 || pixels == 32 || pixels == 48 || pixels == 256)
            forIco.push_back(icon);
        else
            cairo_surface_destroy(icon);
    }
    const std::string ico = icons + "/gravelo.ico";
    if (!writeIco(ico, forIco)) {
        std::fprintf(stderr, "gravelo-make-images: cannot write %s\n", ico.c_str());
        ok = false;
    } else {
        std::printf("%s\n", ico.c_str());
    }
    for (cairo_surface_t* icon : forIco)
        cairo_surface_destroy(icon);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gravelo-make-images <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    // Big knobs in bright aluminium, the tone knobs darker, the small trim
    // knobs black with a silver cap.
    const KnobLook big{rgb(235, 235, 232), rgb(120, 120, 118), rgb(34, 33, 32), 0.62};
    const KnobLook tone{rgb(200, 200, 196), rgb(95, 95, 93), rgb(30, 29, 28), 0.58};
    const KnobLook trim{rgb(215, 215, 212), rgb(105, 105, 103), rgb(22, 22, 22), 0.5};
    bool ok = true;
    for (int scale = 1; scale <= 3; ++scale) {
        ok = save(makeKnobStrip(80, 41, big, scale), folder, "knob", scale) && ok;
        ok = save(makeKnobStrip(60, 31, tone, scale), folder, "knob2", scale) && ok;
        ok = save(makeLedStrip(scale), folder, "led", scale) && ok;
        ok = save(makeBackground(scale), folder, "bg", scale) && ok;
        ok = save(makeKnobStrip(40, 31, trim, scale), folder, "knob3", scale) && ok;
    }
    ok = saveIcons(folder) && ok;
    return ok ? 0 : 1;
}
