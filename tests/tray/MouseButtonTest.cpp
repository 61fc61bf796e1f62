// Decoding the icon's notifications: the message number comes back as twips,
// is divided by the twips per pixel, rounded half to even and then mapped.

#include "TrayFakes.h"
#include "text/Windows1252.h"
#include "tray/cTrayBalloon.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

namespace acordina::tray {
namespace {

using testing::Log;
using testing::RecordingShell;

struct Case {
    float pixels; // the x coordinate the shell sent, possibly off the grid
    std::int32_t expected;
};

// Halves go to the even neighbour, anything else to the nearest.
const Case kCases[] = {
    {0.0f, 512},   {512.0f, 512},  {513.0f, 512},  {514.0f, 514}, {515.0f, 515}, {516.0f, 516},
    {517.0f, 512}, {-514.0f, 512}, {513.5f, 514},  {514.5f, 514}, {515.5f, 516}, {516.5f, 516},
    {517.5f, 512}, {514.49f, 514}, {514.51f, 515}, {516.6f, 512},
};

class MouseButton : public ::testing::Test {
protected:
    Log log;
    RecordingShell shell{log};
    cTrayBalloon tray{shell, text::ToWindows1252};
};
class MouseButtonAt : public MouseButton, public ::testing::WithParamInterface<float> {};

TEST_P(MouseButtonAt, DecodesTheMessageNumber) {
    shell.twipsPerPixel = GetParam();
    for (const auto& c : kCases) {
        const float x = c.pixels * GetParam();
        EXPECT_EQ(tray.MouseButton(x), c.expected) << "X = " << x << " (" << c.pixels << " px)";
    }
    EXPECT_TRUE(log.empty()) << "decoding needs no shell call and no target";
}

// 96 dpi, 120 dpi, and a screen with twips that are not whole pixels.
INSTANTIATE_TEST_SUITE_P(TwipsPerPixel, MouseButtonAt, ::testing::Values(15.0f, 12.0f, 7.5f));

TEST_F(MouseButton, HalvesGoToEvenUnderAnyRoundingMode) {
    const int saved = std::fegetround();
    for (const int mode : {FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO}) {
        std::fesetround(mode);
        const std::int32_t up = tray.MouseButton(515.5f * 15.0f);
        const std::int32_t down = tray.MouseButton(514.5f * 15.0f);
        std::fesetround(saved);
        EXPECT_EQ(up, 516) << "mode " << mode;
        EXPECT_EQ(down, 514) << "mode " << mode;
    }
}

TEST_F(MouseButton, NumbersNoMessageCanHaveAreMouseMoves) {
    const float inf = std::numeric_limits<float>::infinity();
    for (const float x : {1e30f, -1e30f, inf, -inf, std::numeric_limits<float>::quiet_NaN()}) {
        EXPECT_EQ(tray.MouseButton(x), 512) << "X = " << x;
    }
    shell.twipsPerPixel = 0.0f;
    EXPECT_EQ(tray.MouseButton(515.0f), 512);
    EXPECT_EQ(tray.MouseButton(0.0f), 512);
}

} // namespace
} // namespace acordina::tray
