// Other threads may set control values and dirty flags (the parameter model does) while the
// user-interface thread idles and draws.

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace guitest;

TEST(GuiThreads, ValuesSetElsewhereAreDrawnByTheNextIdle)
{
    registerTestPictures();
    CFrame frame(CRect(0, 0, 200, 100), "threads", nullptr);
    auto* strip = new CBitmap(testpictures::kKnobPicture);
    CAnimKnob knob(CRect(10, 10, 60, 60), nullptr, -1, testpictures::kKnobFrames, testpictures::kKnobSize,
                   strip);
    COnOffButton lamp(CRect(100, 10, 116, 26), nullptr, -1, nullptr);
    strip->forget();
    frame.addView(&knob);
    frame.addView(&lamp);
    frame.open(nullptr);

    std::atomic<bool> done{false};
    std::thread parameterThread(
        [&]
        {
            for (int i = 0; i <= 2000; ++i)
            {
                knob.setValue(static_cast<float>(i % 100) / 99.0f);
                lamp.setValue(i % 2 ? 1.0f : 0.0f);
                lamp.setDirty();
            }
            knob.setValue(1.0f);
            done = true;
        });
    while (!done)
        frame.idle();
    parameterThread.join();
    frame.idle();
    EXPECT_EQ(pixel(frame.getPlatformWindow()->image(), 35, 35), testpictures::knobFrameColour(99));
    EXPECT_FALSE(knob.isDirty());
    frame.removeAll();
}
