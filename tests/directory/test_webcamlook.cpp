// The snapshot window's check boxes sit on a dark band of their own: their box must
// stand out from that band whether ticked or not, and their caption must fit.
#include "FrameWorld.h"
#include "OpenForm.h"
#include "TestWindows.h"
#include "directory/SnapshotWindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <cstdlib>

namespace {

// How far apart two colours are in brightness, 0 to 255.
int brightnessGap(QRgb a, QRgb b)
{
    return std::abs(qGray(a) - qGray(b));
}

} // namespace

class TestWebCamLook : public QObject {
    Q_OBJECT
private slots:
    void checkBoxesStandOutFromTheirBand();
};

void TestWebCamLook::checkBoxesStandOutFromTheirBand()
{
    constexpr int kEnoughGap = 100;
    FrameWorld world;
    SnapshotWindow& window = openForm(testWindows().snapshot);
    for (QCheckBox* box : {window.findChild<QCheckBox*>("Check1"), window.findChild<QCheckBox*>("chkAutoSave")}) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QRect caption = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(box->text()) <= caption.width(), qPrintable(box->text()));

        const QSignalBlocker quiet(box); // only the look is wanted here, not the refresh
        box->setChecked(false);
        const QImage unticked = box->grab().toImage();
        const QRgb band = unticked.pixel(indicator.right() + 2, indicator.center().y()); // before the caption
        const QRgb inside = unticked.pixel(indicator.center());
        QVERIFY2(
            brightnessGap(inside, band) >= kEnoughGap,
            qPrintable(QString("%1: box %2, band %3").arg(box->text(), QColor(inside).name(), QColor(band).name())));

        box->setChecked(true);
        QVERIFY(box->grab().toImage() != unticked);
        box->setChecked(false);
    }
    testWindows().destroyAll();
}

QTEST_MAIN(TestWebCamLook)
#include "test_webcamlook.moc"
