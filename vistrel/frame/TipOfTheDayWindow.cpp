#include "frame/TipOfTheDayWindow.h"

#include "platform/HttpTransfer.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"
#include "platform/SettingsStore.h"
#include "platform/StandardErrors.h"
#include "platform/Twips.h"
#include "tools/OptionSwitches.h"
#include "ui/Gradient.h"
#include "ui/ObjectNames.h"
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

    tipPanel_ = new QWidget(this);
    tipPanel_->setAutoFillBackground(true);
    QPalette white = tipPanel_->palette();
    white.setColor(QPalette::Window, Qt::white);
    tipPanel_->setPalette(white);
    tipHeading_ = new QLabel(QStringLiteral("Did you know..."), tipPanel_);
    tipPicture_ = new QLabel(tipPanel_);
    tipPicture_->setAlignment(Qt::AlignCenter);
    auto* panel = new QVBoxLayout(tipPanel_);
    panel->addWidget(tipHeading_);
    panel->addWidget(tipPicture_, 1);

    showAtStartupBox_ = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    showAtStartupBox_->setChecked(true);
    nextTipButton_ = new QPushButton(QStringLiteral("&Next Tip"), this);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(nextTipButton_);
    buttons->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tipPanel_, 1);
    layout->addWidget(showAtStartupBox_);
    layout->addLayout(buttons);

    // There is one tip picture, so Next Tip has nothing else to show.
    connect(showAtStartupBox_, &QCheckBox::toggled, this, &TipOfTheDayWindow::storeTipSwitch);
    connect(okButton_, &QPushButton::clicked, this, &QWidget::hide);

    pictureFetch_ = new platform::HttpTransfer(this);
    pictureFetch_->setTimeLimitMs(kPictureFetchLimitMs);
    pictureFetch_->setSizeCap(kPictureSizeCap);
    connect(pictureFetch_, &platform::HttpTransfer::finished, this,
            [this](const platform::HttpTransfer::Result& result) {
                if (result.ok)
                    showPicture(result.body);
            });

    ui::giveObjectNames({
        {tipPanel_, "Picture1"},
        {tipHeading_, "Label1"},
        {tipPicture_, "AniGIF1"},
        {showAtStartupBox_, "chkLoadTipsAtStartup"},
        {nextTipButton_, "cmdNextTip"},
        {okButton_, "cmdOK"},
        {pictureFetch_, "pictureFetch"},
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
        showAtStartupBox_->setChecked(*on);
    if (!pictureFetch_->busy())
        pictureFetch_->start(platform::webServerPage(kPicturePage));
    ui::showInFrontOf(*this, frame);
}

void TipOfTheDayWindow::storeTipSwitch(bool ticked)
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
    tipPicture_->setMovie(movie_);
    movie_->start();
}

void TipOfTheDayWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}

void showTipOfTheDayAtStartup(ui::WindowSlot<TipOfTheDayWindow>& tip, QWidget& frame)
{
    const std::optional<bool> on = TipOfTheDayWindow::storedSwitch();
    if (!on)
        throw platform::standardError(platform::errors::kTypeMismatch);
    if (!*on)
        throw platform::RuntimeError(kObjectUnloaded, QStringLiteral("Object was unloaded"));
    tip().showTip(frame);
}
