// The panel's pictures (numbers 125 to 226) are embedded into the plug-in by resources/; the
// plug-in's entry point registers them before the first editor loads a bitmap.
#pragma once

void registerPanelPictures();
