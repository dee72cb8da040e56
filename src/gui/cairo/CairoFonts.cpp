// Read with FreeType from their files, the faces cost a panel's first opening well under a
// millisecond; found through fontconfig, they cost the reading of fontconfig's whole
// configuration first (some 15 ms). Fontconfig finds them where the files are elsewhere.
#include "CairoFonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <mutex>
#include <string>
#include <utility>

namespace gui
{
namespace
{
constexpr const char* kFontFamily = "DejaVu Sans";

// The faces' files by [bold][italic], and the folders where systems keep them.
constexpr const char* kFaceFiles[2][2] = {{"DejaVuSans.ttf", "DejaVuSans-Oblique.ttf"},
                                          {"DejaVuSans-Bold.ttf", "DejaVuSans-BoldOblique.ttf"}};
constexpr const char* kFontFolders[] = {"/usr/share/fonts/truetype/dejavu/", "/usr/share/fonts/TTF/",
                                        "/usr/share/fonts/dejavu-sans-fonts/", "/usr/share/fonts/dejavu/"};

const cairo_user_data_key_t kFreeTypeFace{};

struct Faces
{
    std::mutex lock;
    // Never freed: cairo may let go of a face after this module is unloaded.
    FT_Library library = nullptr;
    bool libraryTried = false;
    cairo_font_face_t* made[2][2] = {};

    ~Faces() { release(); }
    void release()
    {
        std::lock_guard guard(lock);
        for (auto& row : made)
            for (cairo_font_face_t*& face : row)
                if (face)
                    cairo_font_face_destroy(std::exchange(face, nullptr));
    }
};

Faces& faces()
{
    static Faces instance;
    return instance;
}

cairo_font_face_t* faceFromFile(FT_Library library, const char* file)
{
    // cairo closes the FreeType face when it drops the last reference, through FreeType's own
    // function (cairo's documented way), so that no code of this module runs then.
    const auto closeFace = reinterpret_cast<cairo_destroy_func_t>(reinterpret_cast<void (*)()>(FT_Done_Face));
    for (const char* folder : kFontFolders)
    {
        FT_Face face = nullptr;
        if (FT_New_Face(library, (std::string(folder) + file).c_str(), 0, &face) != 0)
            continue;
        cairo_font_face_t* made = cairo_ft_font_face_create_for_ft_face(face, 0);
        if (cairo_font_face_set_user_data(made, &kFreeTypeFace, face, closeFace) == CAIRO_STATUS_SUCCESS)
            return made;
        cairo_font_face_destroy(made);
        FT_Done_Face(face);
    }
    return nullptr;
}
} // namespace

cairo_font_face_t* panelFontFace(bool bold, bool italic)
{
    Faces& f = faces();
    std::lock_guard guard(f.lock);
    cairo_font_face_t*& face = f.made[bold ? 1 : 0][italic ? 1 : 0];
    if (face)
        return face;
    if (!f.libraryTried)
    {
        f.libraryTried = true;
        if (FT_Init_FreeType(&f.library) != 0)
            f.library = nullptr;
    }
    if (f.library)
        face = faceFromFile(f.library, kFaceFiles[bold ? 1 : 0][italic ? 1 : 0]);
    if (!face)
        face = cairo_toy_font_face_create(kFontFamily,
                                          italic ? CAIRO_FONT_SLANT_OBLIQUE : CAIRO_FONT_SLANT_NORMAL,
                                          bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    return face;
}

void releasePanelFontFaces()
{
    faces().release();
}
} // namespace gui
