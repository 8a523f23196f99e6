// The gradient background: 63 bands from the start colour, 4 darker per channel per
// band, floored at 0, across the window's whole width.
#include "ui/Gradient.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <algorithm>

using Colour = GradientColour;

namespace {

constexpr int kBandPixels = 10;
constexpr int kBands = 63;

Colour expectedBand(const Colour& start, int band)
{
    const int darker = 4 * (band - 1);
    return {std::max(0, start.red - darker), std::max(0, start.green - darker), std::max(0, start.blue - darker)};
}

Colour sample(const QImage& image, int x, int band)
{
    const QColor pixel = image.pixelColor(x, (band - 1) * kBandPixels + kBandPixels / 2);
    return {pixel.red(), pixel.green(), pixel.blue()};
}

} // namespace

class TestGradient : public QObject {
    Q_OBJECT
private slots:
    void bands_data();
    void bands();
    void wideWindowIsPaintedAcross();
    void windowPaintKeepsTheWorkingColour();
    void textStaysReadableOverTheBands();
};

void TestGradient::bands_data()
{
    QTest::addColumn<Colour>("start");
    QTest::addColumn<Colour>("returned");
    QTest::newRow("configured colour") << Colour{0, 225, 210} << Colour{0, 0, 0};
    QTest::newRow("255 and 0") << Colour{255, 0, 128} << Colour{3, 0, 0};
}

void TestGradient::bands()
{
    QFETCH(Colour, start);
    QFETCH(Colour, returned);
    QWidget window;
    // 630 pixels are 9450 twips: bands of 150 twips, 10 pixels each.
    window.resize(200, kBands * kBandPixels);
    Colour colour = start;
    drawGradient(window, colour, true);
    QCOMPARE(colour, returned);

    const QImage image = window.grab().toImage();
    for (int band : {1, 2, 54, 58, 63})
        QCOMPARE(sample(image, 100, band), expectedBand(start, band));
}

void TestGradient::wideWindowIsPaintedAcross()
{
    QWidget window;
    window.resize(2300, kBands * kBandPixels); // wider than 32767 twips
    Colour colour = {0, 225, 210};
    drawGradient(window, colour, true);
    const QImage image = window.grab().toImage();
    QCOMPARE(sample(image, 0, 2), expectedBand({0, 225, 210}, 2));
    QCOMPARE(sample(image, 2299, 2), expectedBand({0, 225, 210}, 2));
}

void TestGradient::windowPaintKeepsTheWorkingColour()
{
    gradientSettings() = {kGradientStartColour, {0, 0, 0}}; // the working colour as an earlier painting left it
    QWidget window;
    window.resize(100, kBands * kBandPixels);
    paintWindowGradient(window);
    paintWindowGradient(window);
    QCOMPARE(gradientSettings().workingColour, (Colour{0, 0, 0}));
    QCOMPARE(sample(window.grab().toImage(), 50, 1), kGradientStartColour);
}

// Black text low in a window would vanish on the black bands: it turns white there,
// stays black over the light bands, and text that has a colour of its own keeps it.
void TestGradient::textStaysReadableOverTheBands()
{
    gradientSettings().startColour = kGradientStartColour;
    QWidget window;
    window.resize(300, kBands * kBandPixels);
    auto* high = new QLabel(QStringLiteral("high"), &window);
    high->move(10, 5);
    auto* low = new QCheckBox(QStringLiteral("low"), &window);
    low->move(10, kBands * kBandPixels - 30);
    auto* warning = new QLabel(QStringLiteral("warning"), &window);
    warning->setStyleSheet(QStringLiteral("color: red;"));
    warning->move(10, kBands * kBandPixels - 60);

    paintWindowGradient(window);
    QCOMPARE(high->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(low->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(!warning->testAttribute(Qt::WA_SetPalette));

    // A repaint after the text moved follows the bands again.
    low->move(10, 5);
    paintWindowGradient(window);
    QCOMPARE(low->palette().color(QPalette::WindowText), QColor(Qt::black));
}

QTEST_MAIN(TestGradient)
#include "test_gradient.moc"
