#include "components/Colours.h"

#include <algorithm>
#include <array>

Rgb paletteRgb(Colour colour)
{
    static constexpr std::array<Rgb, 16> palette = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    const int index = static_cast<int>(colour);
    return index >= 0 && index < 16 ? palette[static_cast<std::size_t>(index)] : 0xFFFFFF;
}

Rgb ShadeColour(Rgb base, int amount)
{
    const int percent = std::clamp(amount, 0, 100);
    Rgb result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = static_cast<int>((base >> shift) & 0xFF);
        const int shaded = channel + (255 - channel) * percent / 100;
        result |= static_cast<Rgb>(shaded) << shift;
    }
    return result;
}
