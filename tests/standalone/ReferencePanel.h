// The panel as the core linked into a test draws it offscreen, opened on a page with a given
// pattern; and pictures read back from PNG files, to compare with what pavonis shows.
#pragma once

#include "core/SynthCommons.h"
#include "editor/EditorTables.h"
#include "gui/GuiTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace standalonetest
{
constexpr int kPanelWidth = 797;
constexpr int kPanelHeight = 203;

struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 0xRRGGBB, row after row

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// The PNG file's pixels; an empty picture when it cannot be read.
Picture readPng(const std::string& path);

// Pixels of the area that differ between two pictures (every pixel when their sizes differ).
int differingPixels(const Picture& a, const Picture& b, const CRect& area);

class ReferencePanel
{
public:
    ReferencePanel();
    ~ReferencePanel();

    // The panel opened on a page ("part", "mix", "global", "setup"), after the pattern image
    // (null: the initial one) became the current program.
    Picture render(const std::string& page, const std::uint8_t* pattern = nullptr);
    // The plug-in that draws, for what a test does to it first.
    SynthCommons& plugin() { return *synth; }

private:
    std::unique_ptr<SynthCommons> synth;
};

// Where a control of the table stands on the panel: its container's origin plus its place.
CPoint panelPlaceOf(e_EditorParameterID id, e_EditorControlKind kind);
} // namespace standalonetest
