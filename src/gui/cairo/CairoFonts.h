// The panel's text faces (DejaVu Sans) for cairo, made when text is first drawn and shared by
// every drawing context of the process.
#pragma once

#include <cairo.h>

namespace gui
{
// The face for a text face: bold or not, italic or not.
cairo_font_face_t* panelFontFace(bool bold, bool italic);

// Lets go of the faces (before a leak checker resets cairo's own caches); they are made again
// when text is drawn next.
void releasePanelFontFaces();
} // namespace gui
