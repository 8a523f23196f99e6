#include "frame/QuickStartGuide.h"

#include "ui/ImageList.h"
#include "ui/TreePictures.h"

#include <QGridLayout>
#include <QLabel>

namespace {

struct GuideStep {
    QByteArray picture; // a key of the topic tree's built-in pictures
    QString text;
};

const QList<GuideStep>& guideSteps()
{
    static const QList<GuideStep> steps = {
        {"VideoLink", QStringLiteral("1. Press Connect on the toolbar to log in to the Larkspire Server.")},
        {"Closed", QStringLiteral("2. Open the topics of the Internet TreeView and click a place.")},
        {"Open", QStringLiteral("3. The webcams of that place appear below it.")},
        {"MediaPlay", QStringLiteral("4. Click a webcam to watch it in its player.")},
        {"NoStream", QStringLiteral("5. Still-picture webcams open in snapshot windows.")},
        {"IEStream", QStringLiteral("6. Right click any button for its help page.")},
    };
    return steps;
}

} // namespace

QuickStartGuide::QuickStartGuide()
{
    setWindowTitle(QStringLiteral("Quick Start"));
    ImageList pictures({48, 48});
    addBuiltInPictures(pictures);
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const GuideStep& step : guideSteps()) {
        auto* picture = new QLabel(this);
        picture->setPixmap(pictures.picture(pictures.indexOfKey(step.picture)));
        auto* text = new QLabel(step.text, this);
        layout->addWidget(picture, row, 0);
        layout->addWidget(text, row, 1);
        ++row;
    }
}
