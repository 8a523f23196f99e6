#include "frame/TipOfTheDayWindow.h"

#include "platform/HttpTransfer.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/StandardErrors.h"
#include "platform/Twips.h"
#include "tools/OptionSwitches.h"
#include "ui/Forms.h"
#include "ui/Gradient.h"
#include "ui/OwnedWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using platform::twips;

namespace {

const QString kPicturePage = QStringLiteral("/ToolTips/WCradiotowerMessage.gif");

// VB's "Object was unloaded": the show of a window that closed itself while loading.
constexpr int kObjectUnloaded = 364;

} // namespace

TipOfTheDayWindow::TipOfTheDayWindow()
{
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    Picture1 = new QWidget(this);
    Picture1->setAutoFillBackground(true);
    QPalette white = Picture1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(white);
    Label1 = new QLabel(QStringLiteral("Did you know..."), Picture1);
    AniGIF1 = new QLabel(Picture1);
    AniGIF1->setAlignment(Qt::AlignCenter);
    auto* panel = new QVBoxLayout(Picture1);
    panel->addWidget(Label1);
    panel->addWidget(AniGIF1, 1);

    chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    chkLoadTipsAtStartup->setChecked(true);
    cmdNextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    AniGIF1->setObjectName(QStringLiteral("AniGIF1"));
    chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Picture1, 1);
    layout->addWidget(chkLoadTipsAtStartup);
    layout->addLayout(buttons);

    // There is one tip picture, so Next Tip has nothing else to show.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &TipOfTheDayWindow::chkLoadTipsAtStartup_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);

    pictureFetch = new platform::HttpTransfer(this);
    pictureFetch->setTimeLimitMs(kPictureFetchLimitMs);
    pictureFetch->setSizeCap(kPictureSizeCap);
    connect(pictureFetch, &platform::HttpTransfer::finished, this,
            [this](const platform::HttpTransfer::Result& result) {
                if (result.ok)
                    showPicture(result.body);
            });
}

TipOfTheDayWindow::~TipOfTheDayWindow()
{
    // Before the buffer it reads from goes.
    delete movie_;
}

std::optional<bool> TipOfTheDayWindow::storedSwitch()
{
    const QByteArray stored =
        platform::settingsStore().get(kProgramSettingsApplication, "Options", "Show Tips at Startup", "1");
    bool isNumber = false;
    const double number = stored.trimmed().toDouble(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return std::nearbyint(number) != 0;
}

void TipOfTheDayWindow::showTip(QWidget& frame)
{
    resize(twips(kWidthTwips), twips(kHeightTwips));
    // A switch that is on leaves the box ticked, so nothing is stored again.
    if (const std::optional<bool> on = storedSwitch())
        chkLoadTipsAtStartup->setChecked(*on);
    if (!pictureFetch->busy())
        pictureFetch->start(platform::webServerPage(kPicturePage));
    ui::showInFrontOf(*this, frame);
}

void TipOfTheDayWindow::chkLoadTipsAtStartup_Click(bool ticked)
{
    // A store that cannot be written keeps the old switch; the window cannot do better.
    OptionSwitches(platform::settingsStore()).saveTipBoxState(ticked ? 1 : 0);
}

void TipOfTheDayWindow::showPicture(const QByteArray& picture)
{
    // The movie reads from the buffer for as long as it plays.
    delete movie_;
    movie_ = nullptr;
    pictureBuffer_.close();
    pictureBytes_ = picture;
    pictureBuffer_.setBuffer(&pictureBytes_);
    pictureBuffer_.open(QIODevice::ReadOnly);
    auto* movie = new QMovie(&pictureBuffer_, QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        return;
    }
    movie_ = movie;
    AniGIF1->setMovie(movie_);
    movie_->start();
}

void TipOfTheDayWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}

void showTipOfTheDayAtStartup(QWidget& frame)
{
    const std::optional<bool> on = TipOfTheDayWindow::storedSwitch();
    if (!on)
        throw platform::standardError(platform::errors::kTypeMismatch);
    if (!*on)
        throw platform::RuntimeError(kObjectUnloaded, QStringLiteral("Object was unloaded"));
    showTipOfTheDay(frame);
}

void showTipOfTheDay(QWidget& frame)
{
    ui::form<TipOfTheDayWindow>().showTip(frame);
}
