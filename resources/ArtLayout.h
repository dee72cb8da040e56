// Where things stand on the panel, read from the editor's own tables: containers, controls
// with their labels and steppers, and resources, all in frame coordinates. The pictures are
// drawn around these boxes, so that artwork and layout cannot drift apart.
#pragma once

#include "ArtCanvas.h"
#include "editor/EditorTables.h"
#include "params/ParameterTypes.h"

#include <string>
#include <vector>

namespace art
{
inline constexpr int kFrameWidth = 797;
inline constexpr int kFrameHeight = 203;

// A container's rectangle; the whole frame for the frame and for unknown identifiers.
Box containerBox(e_EditorContainer id);
// The size of one frame of a bitmap resource's picture (x and y are 0).
Box frameOf(e_EditorResourceID id);
const t_EditorParameter* editorParameter(e_EditorParameterID id);
std::string parameterName(e_EditorParameterID id);

// The parts of a control row, each in frame coordinates.
struct ControlPart
{
    enum Kind
    {
        Main,    // the control itself (each LED or chain button is one)
        Stepper, // minus or plus stepper
        Label,   // a name or value label the editor writes
        Picture, // a value picture beside an LED
    } kind;
    Box box;
    int index; // LED, chain button, stepper (0 minus, 1 plus) or value picture
};
std::vector<ControlPart> controlParts(const t_EditorControl& row);
Box controlBounds(const t_EditorControl& row);
// The view rectangle of a label, on/off, bitmap text or picture resource; empty for bitmaps.
Box resourceBox(const t_EditorResource& resource);

// A text the editor draws, with the toolkit's font, colour and alignment.
struct TextSpot
{
    Box box;
    std::string text;
    Font font;
    Rgb colour;
    int align; // 0 left, 1 centre, 2 right
};
Font toolkitFont(int index, bool bold);
// The names and value-list texts the editor writes on and beside a control row; menus and
// number editors get an empty text in their place, to be filled by the caller.
std::vector<TextSpot> controlTexts(const t_EditorControl& row);
// The text of a label resource.
TextSpot resourceText(const t_EditorResource& resource);
// A row's box with its labels narrowed to the letters they show.
Box inkBounds(const t_EditorControl& row);
Box inkBounds(const t_EditorResource& resource);
// The box the letters cover when the toolkit draws the text in its rectangle.
Box inkBox(const TextSpot& spot);
// Draws the text on the surface with the toolkit's own drawing context.
void drawTextSpot(cairo_surface_t* target, const TextSpot& spot);
} // namespace art
