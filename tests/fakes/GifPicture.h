#pragma once
// Writes a picture as a GIF file, which the toolkit reads but cannot write: the demo
// web server's tip picture is made in code and served as the GIF the tip window asks for.
#include <QByteArray>

class QImage;

// The picture as a GIF89a file, each pixel in the nearest of at most 128 of its colours
// (the first 128 distinct colours met, row by row; any further colour takes the nearest
// of those). Empty for an empty picture or one wider or taller than 65535 pixels.
QByteArray gifOf(const QImage& picture);
