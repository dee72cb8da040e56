// The panel's pictures, embedded by the build (panelPictures.cpp in the build tree), and those
// of the other zoom steps (ZoomedPictures*.cpp).
#include "editor/PanelPictures.h"

#include "ZoomedPictures.h"
#include "gui/Pictures.h"

extern const gui::EmbeddedPicture panelPictures[];
extern const std::size_t panelPicturesCount;

void registerPanelPictures()
{
    gui::registerPictures(panelPictures, panelPicturesCount);
    registerZoomedPanelPictures();
}
