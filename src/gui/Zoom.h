// The panel's zoom: the sizes in which the panel is shown, and how a length of the panel's own
// units becomes pixels. Every view, table and picture size is in panel units (the panel at
// 100 %); only drawing and input convert, with these two functions, so that the picture
// generator, the drawing context and the input agree on every pixel.
#pragma once

namespace gui
{
// The zoom steps, in per cent, smallest first.
inline constexpr int kZoomSteps[] = {100, 150, 200};
inline constexpr int kZoomStepCount = sizeof kZoomSteps / sizeof kZoomSteps[0];
inline constexpr int kNoZoom = 100;

constexpr int floorDivide(long long a, long long b)
{
    return static_cast<int>(a >= 0 ? a / b : -((-a + b - 1) / b));
}

// The pixel on which a panel coordinate starts: round half up of units x zoom.
constexpr int toPixels(int units, int zoomPercent)
{
    return floorDivide(static_cast<long long>(units) * zoomPercent + 50, 100);
}

// The panel coordinate whose pixels hold the pixel: the inverse of toPixels.
constexpr int toUnits(int pixels, int zoomPercent)
{
    return floorDivide(static_cast<long long>(pixels) * 100 + 49, zoomPercent);
}

constexpr bool isZoomStep(int percent)
{
    for (int step : kZoomSteps)
        if (step == percent)
            return true;
    return false;
}

// The step nearest to a percentage (the lower one of two as near).
constexpr int nearestZoomStep(int percent)
{
    int nearest = kZoomSteps[0];
    for (int step : kZoomSteps)
    {
        const int distance = step > percent ? step - percent : percent - step;
        const int best = nearest > percent ? nearest - percent : percent - nearest;
        if (distance < best)
            nearest = step;
    }
    return nearest;
}

// The next step up (direction > 0) or down; the same step at either end.
constexpr int nextZoomStep(int percent, int direction)
{
    const int current = nearestZoomStep(percent);
    for (int i = 0; i < kZoomStepCount; ++i)
        if (kZoomSteps[i] == current)
        {
            const int next = i + (direction > 0 ? 1 : -1);
            return next >= 0 && next < kZoomStepCount ? kZoomSteps[next] : current;
        }
    return current;
}

static_assert(toPixels(797, 150) == 1196 && toPixels(203, 150) == 305 && toPixels(203, 200) == 406);
static_assert(toUnits(toPixels(331, 150), 150) == 331 && toUnits(toPixels(331, 150) - 1, 150) == 330);
static_assert(toUnits(5, 100) == 5 && toUnits(-1, 200) == -1 && toPixels(-3, 150) == -4);
} // namespace gui
