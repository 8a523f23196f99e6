// The gradient background: 63 bands from the start colour, 4 darker per channel per
// band, floored at 0, across the window's whole width.
#include "common/Globals.h"
#include "ui/Gradient.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include <array>

using Colour = std::array<int, 3>;

namespace {

constexpr int kBandPixels = 10;
constexpr int kBands = 63;

std::array<int, 3> expectedBand(const std::array<int, 3>& start, int band)
{
    std::array<int, 3> colour{};
    for (int c = 0; c < 3; ++c)
        colour[c] = std::max(0, start[c] - 4 * (band - 1));
    return colour;
}

std::array<int, 3> sample(const QImage& image, int x, int band)
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
    QTest::newRow("configured colour") << std::array<int, 3>{0, 225, 210} << std::array<int, 3>{0, 0, 0};
    QTest::newRow("255 and 0") << std::array<int, 3>{255, 0, 128} << std::array<int, 3>{3, 0, 0};
}

void TestGradient::bands()
{
    QFETCH(Colour, start);
    QFETCH(Colour, returned);
    QWidget window;
    // 630 pixels are 9450 twips: bands of 150 twips, 10 pixels each.
    window.resize(200, kBands * kBandPixels);
    std::array<int, 3> colour = start;
    DrawGradient(window, colour[0], colour[1], colour[2], true);
    QCOMPARE(colour, returned);

    const QImage image = window.grab().toImage();
    for (int band : {1, 2, 54, 58, 63})
        QCOMPARE(sample(image, 100, band), expectedBand(start, band));
}

void TestGradient::wideWindowIsPaintedAcross()
{
    QWidget window;
    window.resize(2300, kBands * kBandPixels); // wider than 32767 twips
    std::array<int, 3> colour = {0, 225, 210};
    DrawGradient(window, colour[0], colour[1], colour[2], true);
    const QImage image = window.grab().toImage();
    QCOMPARE(sample(image, 0, 2), expectedBand({0, 225, 210}, 2));
    QCOMPARE(sample(image, 2299, 2), expectedBand({0, 225, 210}, 2));
}

void TestGradient::windowPaintKeepsTheWorkingColour()
{
    gGradientSettings = kGradientStartColour;
    gGradientColors = {0, 0, 0}; // as an earlier painting left them
    QWidget window;
    window.resize(100, kBands * kBandPixels);
    paintWindowGradient(window);
    paintWindowGradient(window);
    QCOMPARE(gGradientColors, (std::array<int, 3>{0, 0, 0}));
    QCOMPARE(sample(window.grab().toImage(), 50, 1), kGradientStartColour);
}

// Black text low in a window would vanish on the black bands: it turns white there,
// stays black over the light bands, and text that has a colour of its own keeps it.
void TestGradient::textStaysReadableOverTheBands()
{
    gGradientSettings = kGradientStartColour;
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
