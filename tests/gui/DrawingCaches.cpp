// cairo and fontconfig keep caches for the life of the process; giving them back when the
// tests end lets the leak checker see only what the toolkit leaks.

#include "gui/cairo/CairoFonts.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace
{
class ReleaseDrawingCaches : public ::testing::Environment
{
public:
    void TearDown() override
    {
        gui::releasePanelFontFaces();
        cairo_debug_reset_static_data();
        FcFini();
    }
};
const auto* const releaseDrawingCaches = ::testing::AddGlobalTestEnvironment(new ReleaseDrawingCaches);
} // namespace
