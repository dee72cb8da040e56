// Made by the build from the native generator's packed pictures (panelPictures150.cpp and
// panelPictures200.cpp in the build tree).
#include "ZoomedPictures.h"
#include "gui/Pictures.h"

extern const gui::EmbeddedPicture panelPictures150[];
extern const std::size_t panelPictures150Count;
extern const gui::EmbeddedPicture panelPictures200[];
extern const std::size_t panelPictures200Count;

void registerZoomedPanelPictures()
{
    gui::registerPictures(panelPictures150, panelPictures150Count, 150);
    gui::registerPictures(panelPictures200, panelPictures200Count, 200);
}
