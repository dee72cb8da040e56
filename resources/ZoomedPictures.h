// The panel's pictures at the zoom steps other than 100 %: drawn when first needed where the
// plug-in has cairo (ZoomedPicturesDrawn.cpp), embedded packed elsewhere (ZoomedPicturesPacked.cpp).
#pragma once

void registerZoomedPanelPictures();
