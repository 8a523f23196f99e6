#pragma once
// Window sizes and positions are kept in twips, the unit they were designed
// in; the widgets take logical pixels.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// The twips as logical pixels, rounded to the nearest pixel.
constexpr int twips(int twipCount)
{
    const int half = kTwipsPerPixel / 2;
    return (twipCount >= 0 ? twipCount + half : twipCount - half) / kTwipsPerPixel;
}

} // namespace platform
