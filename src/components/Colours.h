#pragma once

#include <cstdint>

// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;

// The colours a control can be given: its normal look, or an entry of the classic 16-colour palette.
enum class Colour {
    Default = -1,
    Black = 0,
    Blue,
    Green,
    Cyan,
    Red,
    Magenta,
    Brown,
    LightGrey,
    DarkGrey,
    LightBlue,
    LightGreen, // 10: a right answer
    LightCyan,
    LightRed, // 12: a wrong answer
    LightMagenta,
    LightYellow, // 14: the chosen yes/no answer
    White,
};

// The RGB value of a palette entry; Default has none and gives white.
Rgb paletteRgb(Colour colour);

// A colour derived from base: amount percent of the way towards white (0 keeps it, 100 gives white).
Rgb ShadeColour(Rgb base, int amount);

// A linear colour gradient over a rectangle, as a control paints its background.
struct Gradient {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int angle = 90; // 90: the colour changes from top to bottom
    Rgb from = 0;
    Rgb to = 0;
    int options = 0;
    bool isSet() const { return width > 0 && height > 0; }
    friend bool operator==(const Gradient&, const Gradient&) = default;
};

// Gives target a gradient background; target is any control model with a `Background` of type Gradient.
template <typename Target>
void PaintGradient(Target& target, int left, int top, int width, int height, int angle, Rgb from, Rgb to,
                   int options)
{
    target.Background = Gradient{left, top, width, height, angle, from, to, options};
}
