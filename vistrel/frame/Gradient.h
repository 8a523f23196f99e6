#pragma once
// The gradient background that most windows show: 63 horizontal bands from a start
// colour, each 4 darker per channel than the one above.
class QWidget;

// Paints window's background from (red, green, blue), darkening the three variables
// band by band; they come back lowered by 252, not below 0.
void DrawGradient(QWidget& window, int& red, int& green, int& blue, bool fromTop);

// What a window's activate and resize handlers call: paints from the configured start
// colour and leaves the program-wide working colour as it found it.
void paintWindowGradient(QWidget& window);
