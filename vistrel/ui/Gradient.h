#pragma once
// The gradient background that most windows show: 63 horizontal bands from a start
// colour, each 4 darker per channel than the one above.
#include <array>

class QWidget;

// The program's configured start colour (red, green, blue). The frame puts it into
// gGradientSettings when it is created and on every activation.
inline constexpr std::array<int, 3> kGradientStartColour = {0, 225, 210};

// Paints window's background from (red, green, blue), darkening the three variables
// band by band; they come back lowered by 252, not below 0. The band height is the
// window's outer height divided by 63; the bands span the window's whole width.
// fromTop false paints the first band at the bottom edge and goes upwards.
void DrawGradient(QWidget& window, int& red, int& green, int& blue, bool fromTop);

// What a window's activate and resize handlers call: paints from the configured start
// colour (gGradientSettings) and leaves the program-wide working colour as it found it.
void paintWindowGradient(QWidget& window);
