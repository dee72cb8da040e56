// What the X desktop says about its scale.
#pragma once

namespace gui
{
// The scale in per cent that the resource Xft.dpi of an X resource database text gives
// against 96 dpi ("Xft.dpi:\t144" gives 150); 0 when it does not give one.
int scaleFromXResources(const char* resources);
} // namespace gui
