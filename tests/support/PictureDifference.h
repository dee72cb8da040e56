// Pictures of the panel compared as a person sees them, with the golden pictures that a
// person looked at: a pixel differs when a colour channel differs by more than anti-aliasing
// does from one machine to another.
#pragma once

#include "gui/Image.h"

#include <filesystem>

namespace pictures
{
// False when the file cannot be read or is no PNG.
bool readPng(const std::filesystem::path& path, gui::Image& picture);

// The pixels that differ (every pixel when the sizes differ). Where a map is asked for, it
// shows them in red over a dimmed copy of the first picture.
int differingPixels(const gui::Image& a, const gui::Image& b, gui::Image* map = nullptr);
} // namespace pictures
