#include "PanelPicture.h"
#include "effect/TVobrixEffect.h"
#include "host/CVeST.h"
#include "support/HostChange.h"
#include "toolkit/COffscreenContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using VSTGUI::Colour;

namespace {

class PanelDrawing : public ::testing::Test {
  protected:
    TVobrixEffect& effect() { return picture.effect(); }
    Colour pixel(int x, int y) { return picture.context().getBitmap()->getPixel(x, y); }
    PanelPicture picture;
};

TEST_F(PanelDrawing, KnobFramesFollowTheirSliders) {
    struct Case {
        int slider;
        double value;
        int knob;
        double offset;
    } cases[] = {{1, 40, 0, 3200}, {1, 0, 0, 0},    {8, 0.1, 7, 0},   {8, 8, 7, 960},
                 {5, 0, 4, 900},   {2, 0, 1, 1600}, {2, 20, 1, 3200}, {9, 10, 8, 1200}};
    for (const Case& c : cases) {
        hostSets(effect(), c.slider, c.value);
        picture.drawFrame();
        EXPECT_EQ(effect().panel.knob(c.knob).frameOffset, c.offset)
            << "slider " << c.slider << " at " << c.value;
    }
}

TEST_F(PanelDrawing, KnobLabelsShowOneDecimal) {
    hostSets(effect(), 9, 2.25);
    picture.drawFrame();
    EXPECT_EQ(effect().stringAt(190000), "2.2") << "LFcut, the last knob drawn";
}

// Each meter is drawn alone onto a clear picture, so the bar's pixels are
// the only ones with any coverage in its row.
class MeterBar : public ::testing::Test {
  protected:
    int lastLitColumn(double gain) {
        auto* context = new VSTGUI::COffscreenContext(nullptr, 220, 12);
        {
            const CVeSTCanvas::Lend lent(picture.shell().canvas, context);
            picture.effect().panel.levelMeter(picture.effect(), gain, 0, 0);
        }
        int last = -1;
        for (int x = 0; x < 220; ++x)
            if (context->getBitmap()->getPixel(x, 5).alpha != 0) last = x;
        firstColumn = 220;
        for (int x = 219; x >= 0; --x)
            if (context->getBitmap()->getPixel(x, 5).alpha != 0) firstColumn = x;
        barColour = context->getBitmap()->getPixel(gain >= 1 ? last : firstColumn, 5);
        context->forget();
        return last;
    }
    PanelPicture picture;
    int firstColumn = 0;
    Colour barColour;
};

TEST_F(MeterBar, GainsAboveUnityGrowRightOfTheCentre) {
    EXPECT_EQ(lastLitColumn(1.0), 100) << "unity: the one-pixel 0 dB mark";
    EXPECT_EQ(firstColumn, 100);
    EXPECT_EQ(lastLitColumn(2.0), 130);
    EXPECT_EQ(lastLitColumn(4.0), 160);
    EXPECT_EQ(barColour.red, 255);
    EXPECT_EQ(barColour.green, 0);
    EXPECT_EQ(lastLitColumn(10.0), 199);
    EXPECT_EQ(lastLitColumn(50.0), 199);
}

TEST_F(MeterBar, GainsBelowUnityGrowLeft) {
    lastLitColumn(0.5);
    EXPECT_EQ(firstColumn, 70);
    lastLitColumn(0.25);
    EXPECT_EQ(firstColumn, 40);
    EXPECT_EQ(barColour.red, 255);
    lastLitColumn(0.1);
    EXPECT_EQ(firstColumn, 1);
    lastLitColumn(0.001);
    EXPECT_EQ(firstColumn, 1);
}

TEST_F(MeterBar, NonFiniteGainShowsUnity) {
    EXPECT_EQ(lastLitColumn(std::nan("")), 100);
    EXPECT_EQ(firstColumn, 100);
}

TEST_F(PanelDrawing, LimiterIndicatorLightsAndFades) {
    Panel& panel = effect().panel;
    panel.limitLed(effect(), 1.0);
    EXPECT_EQ(effect().mem(1), 54.0) << "frame 9 fully lit";
    double previous = 54.0;
    int frames = 0;
    while (effect().mem(1) > 0.0 && frames < 40) {
        panel.limitLed(effect(), 0.0);
        EXPECT_LE(effect().mem(1), previous);
        previous = effect().mem(1);
        ++frames;
    }
    EXPECT_EQ(effect().mem(1), 0.0);
    EXPECT_GE(frames, 19);
    EXPECT_LE(frames, 21) << "about twenty frames at 0.05 per frame";
}

TEST_F(PanelDrawing, ClipFromTheAudioLightsTheIndicatorOnce) {
    std::vector<float> loud(4800);
    for (size_t i = 0; i < loud.size(); ++i)
        loud[i] = (i / 24) % 2 == 0 ? 1.0f : -1.0f;
    picture.process(loud);
    picture.drawFrame();
    EXPECT_EQ(effect().panel.ledLevel(), 1.0);
    EXPECT_EQ(effect().amp.clipFlag(), 0.0) << "the panel clears the flag";
}

TEST_F(PanelDrawing, MissingImageDrawsTheErrorBox) {
    effect().mem(0) = 0;
    effect().mem(1) = 0;
    effect().mem(2) = 40;
    effect().mem(3) = 20;
    effect().mem(4) = 10;
    effect().mem(5) = 10;
    {
        const CVeSTCanvas::Lend lent(picture.shell().canvas, &picture.context());
        effect().blitRegion(7.0, 0.0); // no file name for 7
    }
    const Colour corner = pixel(11, 11);
    EXPECT_EQ(corner.red, 255);
    EXPECT_EQ(corner.green, 0);
    EXPECT_EQ(corner.alpha, 255);
    int yellow = 0;
    for (int x = 10; x < 50; ++x)
        for (int y = 10; y < 30; ++y) {
            const Colour c = pixel(x, y);
            if (c.red > 200 && c.green > 150 && c.blue < 100) ++yellow;
        }
    EXPECT_GT(yellow, 10) << "the word ERROR in yellow";
    EXPECT_EQ(pixel(9, 9), Colour{}) << "nothing outside the box";
}

TEST_F(PanelDrawing, BlitOutsideADrawChangesNothingAndLogsNothing) {
    const fs::path log =
        fs::temp_directory_path() / ("gravelo-panel-log-" + std::to_string(::getpid()));
    effect().logPath = log.string();
    effect().penX = 12.5;
    effect().mem(2) = 30;
    effect().mem(3) = 30;
    effect().blitRegion(3.0, 0.0);
    effect().blitRegion(7.0, 0.0);
    EXPECT_FALSE(fs::exists(log));
    EXPECT_EQ(effect().penX, 12.5);
    EXPECT_EQ(pixel(5, 5), Colour{});
}

TEST_F(PanelDrawing, ImageThatLoadsFromNowhereIsLoggedOnce) {
    const fs::path folder =
        fs::temp_directory_path() / ("gravelo-panel-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    effect().logPath = (folder / "log.txt").string();
    effect().moduleDirectory = folder.string() + "/";
    effect().fileNameTable[9] = "gravelo_gfx\\missing.png";
    for (int i = 0; i < 3; ++i)
        effect().image(9);
    ImageSlot resourceBacked = effect().image(0); // resource 0 exists; no file beside us
    std::ifstream file(effect().logPath);
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(text, "Unable to load: " + folder.string() + "/gravelo_gfx/missing.png\n");
    EXPECT_EQ(resourceBacked.width, 80.0);
    EXPECT_EQ(resourceBacked.height, 3280.0);
    fs::remove_all(folder);
}

TEST_F(PanelDrawing, BackgroundFillsThePanel) {
    picture.drawFrame();
    const ImageSlot& background = effect().image(3);
    EXPECT_EQ(background.width, 600.0);
    EXPECT_EQ(background.height, 284.0);
    for (int x : {0, 299, 599})
        for (int y : {0, 283})
            EXPECT_EQ(pixel(x, y).alpha, 255) << x << "," << y;
}

// The luminance of every pixel of a picture, row by row.
struct Luma {
    int width = 0, height = 0;
    std::vector<double> values;
    double at(int x, int y) const {
        x = std::clamp(x, 0, width - 1);
        y = std::clamp(y, 0, height - 1);
        return values[size_t(y) * size_t(width) + size_t(x)];
    }
};

Luma lumaOf(PanelPicture& picture, int width, int height) {
    Luma luma{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Colour c = picture.context().getBitmap()->getPixel(x, y);
            luma.values.push_back(0.299 * c.red + 0.587 * c.green + 0.114 * c.blue);
        }
    return luma;
}

// The 1x picture enlarged by two with bilinear filtering (pixel centres on
// half-pixel positions, edges repeated), as a host stretching it would.
Luma bilinearTimesTwo(const Luma& small) {
    Luma large{small.width * 2, small.height * 2, {}};
    for (int y = 0; y < large.height; ++y)
        for (int x = 0; x < large.width; ++x) {
            const double u = (x + 0.5) / 2.0 - 0.5, v = (y + 0.5) / 2.0 - 0.5;
            const int x0 = int(std::floor(u)), y0 = int(std::floor(v));
            const double fx = u - x0, fy = v - y0;
            const double top = small.at(x0, y0) * (1 - fx) + small.at(x0 + 1, y0) * fx;
            const double bottom = small.at(x0, y0 + 1) * (1 - fx) + small.at(x0 + 1, y0 + 1) * fx;
            large.values.push_back(top * (1 - fy) + bottom * fy);
        }
    return large;
}

// Mean gradient magnitude over the knob and text areas (panel units, drawn
// at scale 2): Quorvel with its label and value, the meter's title and
// scale, Output with its label and value.
double edgeEnergy(const Luma& picture) {
    const int areas[][4] = {{30, 30, 130, 150}, {180, 30, 420, 135}, {470, 30, 570, 150}};
    double sum = 0.0;
    int count = 0;
    for (const auto& a : areas)
        for (int y = a[1] * 2; y < a[3] * 2; ++y)
            for (int x = a[0] * 2; x < a[2] * 2; ++x) {
                sum += std::hypot(picture.at(x + 1, y) - picture.at(x, y),
                                  picture.at(x, y + 1) - picture.at(x, y));
                ++count;
            }
    return sum / count;
}

// The panel at a content scale: the picture is round(600 s) x round(284 s),
// and at 2x its edges carry clearly more detail than the 1x picture
// enlarged, which a stretched (blurred) panel would not.
TEST(PanelAtScale, TwoTimesIsSharperThanTheOneTimesPictureEnlarged) {
    PanelPicture plain(48000.0, 1.0), doubled(48000.0, 2.0), between(48000.0, 1.5);
    for (PanelPicture* p : {&plain, &doubled, &between})
        p->drawFrame();
    EXPECT_EQ(doubled.context().getBitmap()->getPixel(1199, 567).alpha, 255);
    EXPECT_EQ(doubled.context().getBitmap()->getPixel(1200, 568).alpha, 0) << "1200 x 568";
    EXPECT_EQ(between.context().getBitmap()->getPixel(899, 425).alpha, 255);
    EXPECT_EQ(between.context().getBitmap()->getPixel(900, 426).alpha, 0) << "900 x 426";

    const double sharp = edgeEnergy(lumaOf(doubled, 1200, 568));
    const double stretched = edgeEnergy(bilinearTimesTwo(lumaOf(plain, 600, 284)));
    std::printf("mean gradient over knobs and text: 2x %.2f, 1x enlarged %.2f (%.2fx)\n", sharp,
                stretched, sharp / stretched);
    EXPECT_GT(sharp, 1.5 * stretched);
}

} // namespace
