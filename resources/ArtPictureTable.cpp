// Which drawing makes which picture of the resource table.
#include "ArtPictures.h"

namespace art
{
const t_PictureArt c_PictureArt[] = {
    {125, drawCentredKnobStrip},
    {126, drawKnobStrip},
    {128, drawLatchingButton}, // step buttons and toggles share it: lit when on
    {129, drawButton},
    {130, drawLed},
    {132, drawModTypePictures},
    {133, drawAmpEgPictures},
    {181, drawModeButton},
    {182, drawPartButton},
    {190, drawVerticalTrack},
    {191, drawVerticalHandle},
    {193, drawPlusStepper},
    {194, drawMinusStepper},
    {195, drawChainNone},
    {196, drawChain12},
    {197, drawChain23},
    {198, drawChain123},
    {199, drawMuteButton},
    {200, drawOverlay},
    {204, drawYesButton},
    {205, drawNoButton},
    {206, drawPlusMark},
    {207, drawMinusMark},
    {208, drawMainPanel},
    {209, drawPage},
    {210, drawPage},
    {211, drawPage},
    {213, drawLargeButton},
    {214, drawLcdFont},
    {215, drawLightPlusStepper},
    {216, drawLightMinusStepper},
    {218, drawDevice},
    {219, drawLed},
    {220, drawPage},
    {222, drawHorizontalTrack},
    {223, drawHorizontalHandle},
    {224, drawPage},
    {0, nullptr},
};

bool drawPicture(cairo_t* cr, const t_EditorPicture& picture)
{
    for (const t_PictureArt* art = c_PictureArt; art->number != 0; ++art)
        if (art->number == picture.number)
        {
            art->draw(cr, picture);
            return true;
        }
    return false;
}
} // namespace art
