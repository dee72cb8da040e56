// The view tree on the offscreen back end: drawing order, dirty tracking, containers,
// mouse routing and pictures.

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace guitest;

namespace
{
// A plain coloured rectangle that counts how often it is drawn.
class ColourView : public CView
{
public:
    ColourView(const CRect& size, CColor colour) : CView(size), colour(colour) {}
    void draw(CDrawContext* context) override
    {
        ++draws;
        context->setFillColor(colour);
        context->fillRect(size);
    }
    bool onMouseDown(CPoint& where, long) override
    {
        lastClick = where;
        ++clicks;
        return true;
    }
    CColor colour;
    int draws = 0;
    int clicks = 0;
    CPoint lastClick{-1, -1};
};

constexpr CColor kRed{255, 0, 0, 255};
constexpr CColor kBlue{0, 0, 255, 255};
constexpr CColor kGreen{0, 255, 0, 255};

class ViewTree : public ::testing::Test
{
protected:
    ViewTree() : frame(CRect(0, 0, 200, 100), "test", nullptr)
    {
        frame.setBackgroundColor(kBlackCColor);
        frame.open(nullptr);
    }
    ~ViewTree() override { frame.removeAll(); }

    Rgb at(int x, int y) { return pixel(frame.getPlatformWindow()->image(), x, y); }

    CFrame frame;
};
} // namespace

TEST_F(ViewTree, LaterViewsAreDrawnOnTopAndOnlyDirtyViewsAreRedrawn)
{
    ColourView below(CRect(10, 10, 60, 60), kRed);
    ColourView above(CRect(40, 40, 90, 90), kBlue);
    ColourView apart(CRect(150, 10, 190, 50), kGreen);
    frame.addView(&below);
    frame.addView(&above);
    frame.addView(&apart);
    frame.idle();
    EXPECT_EQ(at(20, 20), (Rgb{255, 0, 0}));
    EXPECT_EQ(at(50, 50), (Rgb{0, 0, 255})) << "the view added last covers the one before";
    EXPECT_EQ(at(100, 95), (Rgb{0, 0, 0}));

    below.draws = above.draws = apart.draws = 0;
    frame.idle();
    EXPECT_EQ(below.draws + above.draws + apart.draws, 0) << "nothing dirty, nothing drawn";

    below.setDirty();
    frame.idle();
    EXPECT_EQ(below.draws, 1);
    EXPECT_EQ(above.draws, 1) << "what overlaps a dirty view is drawn again above it";
    EXPECT_EQ(apart.draws, 0);
    EXPECT_EQ(at(50, 50), (Rgb{0, 0, 255}));
}

TEST_F(ViewTree, RemovingAViewRedrawsWhatWasBeneathWithoutReleasingIt)
{
    auto* view = new ColourView(CRect(10, 10, 50, 50), kRed);
    frame.addView(view);
    frame.idle();
    frame.removeView(view);
    EXPECT_EQ(view->getNbReference(), 1);
    EXPECT_EQ(view->getParentView(), nullptr);
    frame.idle();
    EXPECT_EQ(at(20, 20), (Rgb{0, 0, 0}));
    frame.addView(view);
    frame.removeView(view, true); // gives the last reference back: deleted (ASan checks)
    EXPECT_EQ(frame.getNbViews(), 0);
}

TEST_F(ViewTree, DeletedViewsLeaveTheirContainerAndContainersLetGoOfTheirViews)
{
    auto* container = new CViewContainer(CRect(0, 0, 100, 100), &frame);
    auto child = std::make_unique<ColourView>(CRect(0, 0, 10, 10), kRed);
    container->addView(child.get());
    frame.addView(container);
    {
        ColourView shortLived(CRect(0, 0, 5, 5), kBlue);
        container->addView(&shortLived);
    }
    EXPECT_EQ(container->getNbViews(), 1);
    delete container;
    EXPECT_EQ(frame.getNbViews(), 0);
    EXPECT_EQ(child->getParentView(), nullptr);
}

TEST_F(ViewTree, ContainersPlaceChildrenAndRedrawByTheirUpdateMode)
{
    CViewContainer container(CRect(100, 20, 180, 90), &frame);
    container.setBackgroundColor(kGreen);
    ColourView first(CRect(0, 0, 20, 20), kRed);
    ColourView second(CRect(40, 40, 60, 60), kBlue);
    container.addView(&first);
    container.addView(&second);
    frame.addView(&container);
    frame.idle();
    EXPECT_EQ(at(105, 25), (Rgb{255, 0, 0})) << "children stand relative to the container";
    EXPECT_EQ(at(150, 70), (Rgb{0, 0, 255}));
    EXPECT_EQ(at(130, 30), (Rgb{0, 255, 0}));

    first.draws = second.draws = 0;
    first.setDirty();
    frame.idle();
    EXPECT_EQ(first.draws, 1);
    EXPECT_EQ(second.draws, 0) << "kOnlyDirtyUpdate redraws the dirty view only";

    container.setMode(kNormalUpdate);
    first.setDirty();
    frame.idle();
    EXPECT_EQ(second.draws, 1) << "kNormalUpdate redraws the whole container";

    container.setTransparency(true);
    frame.idle();
    EXPECT_EQ(at(130, 30), (Rgb{0, 0, 0})) << "a transparent container shows what lies beneath";
}

TEST_F(ViewTree, ClicksGoToTheTopmostMouseEnabledViewInItsParentCoordinates)
{
    CViewContainer container(CRect(50, 10, 150, 90), &frame);
    ColourView inner(CRect(10, 10, 40, 40), kRed);
    ColourView cover(CRect(0, 0, 200, 100), kBlue);
    container.addView(&inner);
    frame.addView(&container);
    frame.addView(&cover);

    frame.windowMouseDown(CPoint(70, 30), kLButton);
    EXPECT_EQ(cover.clicks, 1);
    cover.setMouseEnabled(false);
    frame.windowMouseDown(CPoint(70, 30), kLButton);
    EXPECT_EQ(inner.clicks, 1);
    EXPECT_EQ(inner.lastClick, CPoint(20, 20));
    container.setMouseEnabled(false);
    frame.windowMouseDown(CPoint(70, 30), kLButton);
    EXPECT_EQ(inner.clicks, 1) << "a mouse-disabled container hides its views from the mouse";
}

TEST_F(ViewTree, AViewThatLeavesDuringADragGetsNoMoreEvents)
{
    ColourView view(CRect(0, 0, 50, 50), kRed);
    frame.addView(&view);
    frame.windowMouseDown(CPoint(10, 10), kLButton);
    frame.removeView(&view);
    frame.windowMouseMoved(CPoint(20, 20), kLButton); // must not reach the removed view
    frame.windowMouseUp(CPoint(20, 20), kLButton);
    EXPECT_EQ(view.clicks, 1);
}

TEST(Pictures, LoadByNumberAndMissingOrBrokenOnesHaveNoImage)
{
    registerTestPictures();
    CBitmap knob(testpictures::kKnobPicture);
    EXPECT_TRUE(knob.isLoaded());
    EXPECT_EQ(knob.getWidth(), testpictures::kKnobSize);
    EXPECT_EQ(knob.getHeight(), testpictures::kKnobSize * testpictures::kKnobFrames);

    CBitmap missing(9999);
    EXPECT_FALSE(missing.isLoaded());
    EXPECT_EQ(missing.getWidth(), 0);
    const unsigned char garbage[] = {0x89, 'P', 'N', 'G', 1, 2, 3};
    CBitmap broken(garbage, sizeof garbage);
    EXPECT_FALSE(broken.isLoaded());

    gui::Image image(10, 10);
    CDrawContext context(image);
    missing.draw(&context, CRect(0, 0, 10, 10));
}

TEST(Pictures, ViewsShareBitmapsByReference)
{
    registerTestPictures();
    registerTestPictures(); // twice is harmless
    auto* bitmap = new CBitmap(testpictures::kButtonPicture);
    {
        CKickButton button(CRect(0, 0, 10, 10), nullptr, -1, 21, bitmap);
        EXPECT_EQ(bitmap->getNbReference(), 2);
        button.setBackground(nullptr);
        EXPECT_EQ(bitmap->getNbReference(), 1);
        button.setBackground(bitmap);
    }
    EXPECT_EQ(bitmap->getNbReference(), 1);
    bitmap->forget();
}

TEST(Geometry, RectanglesNormaliseIntersectAndUnite)
{
    CRect r(520, 8, 263, 25);
    r.normalize();
    EXPECT_EQ(r, CRect(263, 8, 520, 25));
    EXPECT_TRUE(CRect(0, 0, 10, 10).intersection(CRect(10, 0, 20, 10)).isEmpty());
    EXPECT_EQ(CRect(0, 0, 10, 10).unite(CRect(5, 5, 20, 20)), CRect(0, 0, 20, 20));
}
