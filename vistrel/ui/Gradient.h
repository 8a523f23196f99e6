#pragma once
// The gradient background that most windows show: 63 horizontal bands from a start
// colour, each 4 darker per channel than the one above.
class QWidget;

struct GradientColour {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const GradientColour&, const GradientColour&) = default;
};

// The program's configured start colour. The frame puts it into the gradient settings
// when it is created and on every activation.
inline constexpr GradientColour kGradientStartColour{0, 225, 210};

// The colours the window backgrounds are painted from.
struct GradientSettings {
    GradientColour startColour;   // of every window's background
    GradientColour workingColour; // the frame's colour to hand to drawGradient
};

// The program's one gradient settings.
GradientSettings& gradientSettings();

// Paints window's background from colour, darkening it band by band; it comes back
// lowered by 252 per channel, not below 0. The band height is the window's outer height
// divided by 63; the bands span the window's whole width. fromTop false paints the
// first band at the bottom edge and goes upwards.
void drawGradient(QWidget& window, GradientColour& colour, bool fromTop);

// What a window's activate and resize handlers call: paints from the configured start
// colour and leaves the working colour as it found it.
void paintWindowGradient(QWidget& window);
