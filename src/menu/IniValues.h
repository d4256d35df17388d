#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvex {

// Reads an integer as the settings file stores it: decimal with an optional '+' or '-';
// hexadecimal after "$"; hexadecimal after "0x" or "0X" when the text is longer than two
// characters. Hexadecimal numbers are 32-bit patterns of up to 0xFFFFFFFF and wrap to the
// signed value ($80000008 is -2147483640). nullopt for anything else: an empty text, blanks,
// a sign before hexadecimal, a stray character, a decimal number outside the int32 range or
// a hexadecimal one above 0xFFFFFFFF (readers then fall back to their default).
std::optional<int32_t> parseInteger(std::string_view text);

// Writes an integer as the settings file stores it: signed decimal.
std::string formatInteger(int32_t value);

// Colours are 32-bit values: a plain colour 0x00BBGGRR, or a system colour 0x80000000 plus
// the index of the system colour.
inline constexpr int32_t buttonFaceColour = static_cast<int32_t>(0x8000000Fu); // clBtnFace
inline constexpr int32_t windowTextColour = static_cast<int32_t>(0x80000008u); // clWindowText
inline constexpr int32_t windowColour = static_cast<int32_t>(0x80000005u); // clWindow

// Whether colour names a system colour rather than a plain RGB colour.
constexpr bool isSystemColour(int32_t colour)
{
    return (static_cast<uint32_t>(colour) & 0xFF000000u) == 0x80000000u;
}

// The index of a system colour (15 for buttonFaceColour).
constexpr int systemColourIndex(int32_t colour)
{
    return static_cast<int>(static_cast<uint32_t>(colour) & 0x00FFFFFFu);
}

// A plain colour from its components.
constexpr int32_t rgbColour(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<int32_t>(uint32_t(red) | (uint32_t(green) << 8) | (uint32_t(blue) << 16));
}

constexpr uint8_t colourRed(int32_t colour)
{
    return static_cast<uint8_t>(static_cast<uint32_t>(colour) & 0xFF);
}
constexpr uint8_t colourGreen(int32_t colour)
{
    return static_cast<uint8_t>((static_cast<uint32_t>(colour) >> 8) & 0xFF);
}
constexpr uint8_t colourBlue(int32_t colour)
{
    return static_cast<uint8_t>((static_cast<uint32_t>(colour) >> 16) & 0xFF);
}

} // namespace torvex
