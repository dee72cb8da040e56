#include "ArtPictures.h"
#include "ZoomedPictures.h"
#include "gui/Pictures.h"

void registerZoomedPanelPictures()
{
    gui::registerPictureMaker(art::makePictureImage);
}
