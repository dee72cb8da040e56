// The panel's screens put together from the drawn pictures the way the editor stacks its views
// (frame, then the visible containers in the order of their bits, each with its resources and
// controls), with sample values and texts. Used to look at the artwork and to test it.
#pragma once

#include "ArtLayout.h"

#include <map>
#include <string>
#include <vector>

namespace art
{
// The drawn pictures, read back from their PNG files.
class PictureSet
{
public:
    explicit PictureSet(const std::string& directory);
    ~PictureSet();
    PictureSet(const PictureSet&) = delete;
    PictureSet& operator=(const PictureSet&) = delete;

    cairo_surface_t* get(int number) const; // null when missing

private:
    std::map<int, cairo_surface_t*> surfaces;
};

struct Screen
{
    const char* name;
    std::vector<t_VisibleContainersCbk> holding; // the visibility predicates that hold
    std::vector<e_EditorParameterID> lit;        // selector buttons shown on
    bool overlay;                                // the syncing overlay forced on top
};
const std::vector<Screen>& panelScreens();

// The containers a screen shows, in drawing order.
std::vector<e_EditorContainer> visibleContainers(const Screen& screen);

// Draws the screen on a surface of the frame's size; the texts the editor would write are
// returned in texts (when not null) and drawn when drawTexts is set.
void composeScreen(cairo_t* cr, const PictureSet& pictures, const Screen& screen, bool drawTexts,
                   std::vector<TextSpot>* texts);
} // namespace art
