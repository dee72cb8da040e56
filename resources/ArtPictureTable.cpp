// Which drawing makes which picture of the resource table.
#include "ArtPictures.h"

namespace art
{
const t_PictureArt c_PictureArt[] = {
    {125, drawCentredKnobStrip},
    {126, drawKnobStrip},
    {128, drawButton},
    {129, drawButton},
    {130, drawLed},
    {132, drawModTypePictures},
    {133, drawAmpEgPictures},
    {181, drawButton},
    {182, drawButton},
    {190, drawVerticalTrack},
    {191, drawVerticalHandle},
    {193, drawButton},
    {194, drawButton},
    {195, drawChainNone},
    {196, drawChain12},
    {197, drawChain23},
    {198, drawChain123},
    {199, drawButton},
    {200, drawOverlay},
    {204, drawButton},
    {205, drawButton},
    {206, drawPlusMark},
    {207, drawMinusMark},
    {208, drawMainPanel},
    {209, drawPage},
    {210, drawPage},
    {211, drawPage},
    {213, drawButton},
    {214, drawLcdFont},
    {215, drawButton},
    {216, drawButton},
    {218, drawDevice},
    {219, drawLed},
    {220, drawPage},
    {222, drawHorizontalTrack},
    {223, drawHorizontalHandle},
    {224, drawPage},
    {225, drawButton},
    {226, drawButton},
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
