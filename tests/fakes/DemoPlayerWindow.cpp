#include "DemoPlayerWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DemoPlayerWindow::DemoPlayerWindow(const QStringList& arguments, QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Demo Player"));
    auto* heading = new QLabel(QStringLiteral("Vistrel demo stand-in player: no media player is installed, so "
                                              "this window stands where the stream would play."),
                               this);
    heading->setWordWrap(true);
    playingLabel = new QLabel(arguments.isEmpty() ? QStringLiteral("Started without a stream to play.")
                                                  : QStringLiteral("Playing %1").arg(arguments.join(u' ')),
                              this);
    playingLabel->setObjectName(QStringLiteral("playingLabel"));
    playingLabel->setWordWrap(true);
    playingLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(playingLabel, 1);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    resize(420, 160);
}
