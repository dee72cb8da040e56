// The artwork's own groupings of controls, named by the editor's identifiers only: the plates
// of the setup page (whose containers overlap) and the part groups over the mix page's strips.
// Their boxes come from the editor's tables. (The host-mode warning's amber bar is the panel's
// own, shown and hidden with the warning.)
#pragma once

#include "ArtLayout.h"

#include <vector>

namespace art
{
enum class SectionStyle
{
    PlateTitleAbove, // a plate from the page's title band down, its title in the band
    PlateTitleLeft,  // a plate with its title inside, left of the controls
    Bracket,         // a title over the members with a line across them
};

struct t_ArtSection
{
    e_EditorContainer page; // CONT_FRAME ends the table
    const char* title;
    SectionStyle style;
    const e_EditorParameterID* parameters; // EPARAM_END ends
    const e_EditorResourceID* resources;   // RES_END ends
};
extern const t_ArtSection c_ArtSections[];

// The members' boxes, labels narrowed to their letters.
Box sectionBounds(const t_ArtSection& section);

// A plate of a page picture, in frame coordinates, and where its title goes.
struct PagePlate
{
    Box box;
    const char* title;
    enum Place
    {
        NoTitle,
        Above, // in the page's title band, centred over the plate
        Left,  // inside, left of the controls
    } place;
};
// Every plate of the page: of its containers, of the sections and of its strips.
std::vector<PagePlate> pagePlates(cairo_t* cr, e_EditorContainer page);
} // namespace art
