// The panel's pictures, embedded by the build (panelPictures.cpp in the build tree).
#include "editor/PanelPictures.h"

#include "gui/Pictures.h"

extern const gui::EmbeddedPicture panelPictures[];
extern const std::size_t panelPicturesCount;

void registerPanelPictures()
{
    gui::registerPictures(panelPictures, panelPicturesCount);
}
