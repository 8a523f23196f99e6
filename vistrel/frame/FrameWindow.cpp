#include "frame/FrameWindow.h"

#include "common/Lexmara.h"
#include "common/SeenRepliesCache.h"
#include "frame/FirstRunMarker.h"
#include "frame/FrameWindows.h"
#include "frame/StartupSequence.h"
#include "frame/ToolbarControl.h"
#include "frame/ToolbarPositions.h"
#include "link/ReflectorSession.h"
#include "platform/Codec.h"
#include "platform/HttpTransfer.h"
#include "platform/Launcher.h"
#include "platform/ListInputReader.h"
#include "platform/OneShotTimer.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"
#include "platform/Services.h"
#include "platform/StandardErrors.h"
#include "platform/Twips.h"
#include "ui/CommandRegistry.h"
#include "ui/Gradient.h"
#include "ui/ObjectNames.h"
#include "ui/OwnedWindow.h"
#include "ui/ToolbarGiveBack.h"
#include "ui/ToolbarPicture.h"
#include "ui/ToolbarState.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>

using platform::twips;
using Region = StartupSequence::Region;

// The start-up sequence and what its steps hand on to each other, from the frame's
// load until the last step has run.
struct FrameWindow::Startup {
    StartupSequence sequence;
    QByteArray fetched;
    QByteArray primary;
    QByteArray backup;
    std::optional<platform::ListInputReader> serverSettingsFile;
    const QString serverSettingsPath = platform::programFile(QStringLiteral("ServerSettings.txt"));
};

namespace {

constexpr int kClientWidthTwips = 12705;
constexpr int kClientHeightTwips = 9630;
constexpr int kMaxWidthTwips = 15675;
constexpr int kMaxHeightTwips = 13290;
constexpr int kMinWidthTwips = 12045;
constexpr int kHoldOffMs = 2000;
constexpr int kStatusClearMs = 5000;
constexpr QColor kClientAreaColour(231, 231, 231);

const QString kAddressPage = QStringLiteral("/sys/serverip.txt");
const QByteArray kDebugLine = "MdiLoad = line 1000 in error handler...\r\n";
const QByteArray kCrLf = "\r\n";

[[noreturn]] void fail(int number)
{
    throw platform::standardError(number);
}

// The next address of the open server settings file, without surrounding blanks: a
// blank after the address (before a comma or the line end) is no part of the host.
QByteArray readItem(std::optional<platform::ListInputReader>& file)
{
    if (!file)
        fail(platform::errors::kBadFileNameOrNumber);
    if (file->atEnd())
        fail(platform::errors::kInputPastEndOfFile);
    return platform::trimBlanks(file->next());
}

// The fetched address as the address boxes take it: blanks trimmed, every CR and
// every LF removed, blanks trimmed again.
QByteArray addressFromFetch(const QByteArray& fetched)
{
    QByteArray address = platform::trimBlanks(fetched);
    address = gLexmara.StripCharacter(address, "\r");
    address = gLexmara.StripCharacter(address, "\n");
    return platform::trimBlanks(address);
}

// The fetched address as the chat takes it: only whole CR LF pairs are removed.
QByteArray chatHostFromFetch(const QByteArray& fetched)
{
    return platform::trimBlanks(gLexmara.StripString(platform::trimBlanks(fetched), kCrLf));
}

int twipsOf(int pixels)
{
    return pixels * platform::kTwipsPerPixel;
}

} // namespace

FrameWindow::FrameWindow(FrameWindows& windows) : windows_(windows)
{
    setWindowTitle(QStringLiteral("Larkspire"));
    gradientSettings().startColour = kGradientStartColour;

    fileMenu_ = menuBar()->addMenu(QStringLiteral("File"));
    exitAction_ = fileMenu_->addAction(QStringLiteral("Exit"));
    connect(exitAction_, &QAction::triggered, this, &FrameWindow::exitProgram);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolbar_ = new ToolbarControl(client);
    mdiArea_ = new QMdiArea(client);
    mdiArea_->setBackground(kClientAreaColour);
    mdiArea_->viewport()->setMouseTracking(true);
    mdiArea_->viewport()->installEventFilter(this);
    layout->addWidget(toolbar_);
    layout->addWidget(mdiArea_, 1);
    setCentralWidget(client);
    connect(toolbar_, &ToolbarControl::mouseDown, this, &FrameWindow::pressToolbar);
    followCommandActions();
    setToolbarButtonRestorer([this](int button) {
        toolbar_->setButtonImage(button, ToolbarControl::PictureNormal);
        toolbar_->refresh();
    });
    setToolbarPictureChanger([this](int button, int picture) {
        toolbar_->setButtonImage(button, picture);
        toolbar_->refresh();
    });

    addressFetch_ = new platform::HttpTransfer(this);
    addressFetch_->setTimeLimitMs(kAddressFetchLimitMs);
    addressFetch_->setSizeCap(kAddressFetchSizeCap);
    connect(addressFetch_, &platform::HttpTransfer::finished, this,
            [this](const platform::HttpTransfer::Result& result) {
                addressFetched(result.ok ? result.body : QByteArray());
            });

    holdOffTimer_ = new platform::OneShotTimer(this);
    toolbarPictureReset_ = new platform::Timer(this);
    statusClearTimer_ = new platform::Timer(this);
    for (platform::Timer* timer :
         {static_cast<platform::Timer*>(holdOffTimer_), toolbarPictureReset_, statusClearTimer_}) {
        timer->setEnabled(false);
        timer->setInterval(0);
    }
    connect(holdOffTimer_, &platform::Timer::tick, this, &FrameWindow::endHoldOff);
    connect(toolbarPictureReset_, &platform::Timer::tick, this, &FrameWindow::resetToolbarPictures);
    connect(statusClearTimer_, &platform::Timer::tick, this, &FrameWindow::clearMainStatus);

    resize(twips(kClientWidthTwips), twips(kClientHeightTwips) + menuBar()->sizeHint().height());

    ui::giveObjectNames({
        {toolbar_, "Toolbar1"},
        {holdOffTimer_, "holdOffTimer"},
        {toolbarPictureReset_, "toolbarPictureReset"},
        {statusClearTimer_, "statusClearTimer"},
    });
}

FrameWindow::~FrameWindow()
{
    setToolbarButtonRestorer({});
    setToolbarPictureChanger({});
}

QMdiSubWindow* FrameWindow::adoptMainWindow(QWidget& main)
{
    mainWindow_ = &main;
    QMdiSubWindow* sub = mdiArea_->addSubWindow(&main);
    sub->show();
    return sub;
}

void FrameWindow::load()
{
    startup_ = std::make_unique<Startup>();
    Startup* const run = startup_.get(); // lives until the last step has run

    const QList<StartupSequence::Step> steps = {
        // The support chat window, loaded hidden, and the tip of the day.
        {1, Region::A,
         [this] {
             windows_.chat.supportChat().hide();
             return 0;
         }},
        {6, Region::A,
         [this] {
             showTipOfTheDayAtStartup(windows_.tipOfTheDay, *this);
             return 0;
         }},
        // The first-run marker and the status clearing.
        {7, Region::B,
         [] {
             if (!QFile::exists(firstRunMarkerPath()))
                 fail(platform::errors::kFileNotFound);
             return 0;
         }},
        {9, Region::B,
         [this] {
             statusClearTimer_->setEnabled(true);
             statusClearTimer_->setInterval(kStatusClearMs);
             return 0;
         }},
        // The seen-replies cache, the options window and the reflector address.
        {11, Region::C,
         [] {
             if (!QFile::remove(seenRepliesCachePath()))
                 fail(platform::errors::kFileNotFound);
             return 0;
         }},
        {12, Region::C,
         [this] {
             windows_.tools.options().setVisible(false);
             return 0;
         }},
        // The sequence goes on when the fetch has ended (addressFetched).
        {13, Region::C,
         [this] { return addressFetch_->start(platform::webServerPage(kAddressPage)) ? StartupSequence::kPause : 0; }},
        {15, Region::C,
         [this, run] {
             windows_.chat.supportChat().setSupportHost(chatHostFromFetch(run->fetched));
             return 0;
         }},
        {16, Region::C, [run] { return run->fetched.isEmpty() ? 17 : 27; }},
        {17, Region::C,
         [run] {
             run->serverSettingsFile.reset();
             return 0;
         }},
        {18, Region::C,
         [run] {
             run->serverSettingsFile = platform::ListInputReader::fromFile(run->serverSettingsPath);
             if (!run->serverSettingsFile)
                 fail(platform::errors::kFileNotFound);
             return 0;
         }},
        {19, Region::C,
         [run] {
             run->primary = readItem(run->serverSettingsFile);
             return 0;
         }},
        {20, Region::C,
         [run] {
             run->backup = readItem(run->serverSettingsFile);
             return 0;
         }},
        {21, Region::C,
         [run] {
             run->serverSettingsFile.reset();
             return 0;
         }},
        {22, Region::C,
         [this, run] {
             ServerSettingsWindow& settings = windows_.link.serverSettings();
             settings.hide();
             settings.setAddresses(run->primary, run->backup);
             return 33;
         }},
        {27, Region::C,
         [this, run] {
             ServerSettingsWindow& settings = windows_.link.serverSettings();
             settings.hide();
             const QByteArray address = addressFromFetch(run->fetched);
             settings.setAddresses(address, address);
             return 0;
         }},
        {33, Region::Final,
         [this] {
             startHoldOff();
             return 0;
         }},
    };

    StartupSequence& sequence = startup_->sequence;
    sequence.onFailure = [this] { windows_.debugLog().append(kDebugLine); };
    sequence.onFirstRun = [this] {
        // A marker that cannot be written only means the guide shows again next time.
        writeFirstRunMarker();
        ui::showInFrontOf(windows_.guide(), *this);
        // The tip, shown just before, stays in front of the larger guide.
        if (windows_.tipOfTheDay.isMade() && windows_.tipOfTheDay().isVisible())
            windows_.tipOfTheDay().raise();
    };
    sequence.run(steps);
    endStartupWhenFinished();
}

void FrameWindow::addressFetched(const QByteArray& page)
{
    if (!startup_)
        return;
    startup_->fetched = page;
    startup_->sequence.resume();
    endStartupWhenFinished();
}

void FrameWindow::endStartupWhenFinished()
{
    if (!startup_->sequence.finished())
        return;
    startup_.reset();
    emit startupFinished();
}

void FrameWindow::startHoldOff()
{
    holdOffOver_ = false;
    holdOffTimer_->setEnabled(true);
    holdOffTimer_->setInterval(kHoldOffMs);
}

void FrameWindow::endHoldOff()
{
    holdOffOver_ = true;
}

bool FrameWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        activated();
    return QMainWindow::event(event);
}

void FrameWindow::activated()
{
    gradientSettings() = {kGradientStartColour, kGradientStartColour};
    if (mainWindow_)
        paintWindowGradient(*mainWindow_);
    startHoldOff();
}

void FrameWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    keepSizeWithinLimits();
}

void FrameWindow::keepSizeWithinLimits()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect outer = frameGeometry();
    const QSize client = size();
    const int borderWidth = outer.width() - client.width();
    const int borderHeight = outer.height() - client.height();
    int widthTwips = twipsOf(outer.width());
    int heightTwips = twipsOf(outer.height());
    widthTwips = std::clamp(widthTwips, kMinWidthTwips, kMaxWidthTwips);
    heightTwips = std::min(heightTwips, kMaxHeightTwips);
    const QSize limited(twips(widthTwips) - borderWidth, twips(heightTwips) - borderHeight);
    if (limited != client)
        resize(limited);
}

void FrameWindow::clearMainStatus()
{
    emit statusClearDue();
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    // The process ends inside the shut-down; the window itself never closes.
    event->ignore();
    ui::commands().run(ui::command::kExit);
}

void FrameWindow::exitProgram()
{
    ui::commands().run(ui::command::kExitWithoutWaiting);
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdiArea_->viewport() && event->type() == QEvent::MouseMove)
        mouseMovedOverClientArea();
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::mouseMovedOverClientArea()
{
    ui::toolbarState().setHighlightCleared(false);
}

// Each command button stands for its command's shared action: it is enabled exactly
// when the action is, so the menus and the toolbar never disagree.
void FrameWindow::followCommandActions()
{
    for (int button = 1; button <= kToolbarPositions; ++button) {
        const ToolbarPosition& position = toolbarPosition(button);
        if (position.separator)
            continue;
        QAction* action = ui::commands().action(position.command);
        toolbar_->setButtonEnabled(button, action->isEnabled());
        connect(action, &QAction::changed, toolbar_,
                [this, button, action] { toolbar_->setButtonEnabled(button, action->isEnabled()); });
    }
}

void FrameWindow::pressToolbar(int button, int /*shift*/, float x, float /*y*/)
{
    const std::optional<int> hit = toolbarButtonAt(x);
    if (!hit)
        return;
    const int pressed = *hit;
    const ToolbarPosition& position = toolbarPosition(pressed);
    if (button == 2) {
        platform::launcher().openPage(
            QUrl(platform::webServerPage(QStringLiteral("/help/") + QString::fromLatin1(position.helpPage))));
        return;
    }
    // A disabled button runs nothing: a second Connect during a login must not start.
    if (button != 1 || !toolbar_->isButtonEnabled(pressed))
        return;

    ui::commands().run(position.command);
    if (pressed == kToolbarMediaButton || pressed == kToolbarRealButton)
        windows_.playerWatcher().watcher().start();
    if (pressed == kToolbarDisconnectButton)
        reflectorSession().state().loggedIn = false;

    toolbar_->setButtonImage(pressed, ToolbarControl::PictureActive);
    setToolbarButtonActive(position, true);
    for (int other = 1; other <= kToolbarPositions; ++other) {
        const ToolbarPosition& otherPosition = toolbarPosition(other);
        if (other == pressed || otherPosition.separator)
            continue;
        setToolbarButtonActive(otherPosition, false);
        toolbar_->setButtonImage(other, ToolbarControl::PictureNormal);
    }

    if (pressed == kToolbarConnectButton || pressed == kToolbarDisconnectButton)
        emit connectionButtonPressed(pressed == kToolbarConnectButton);
}

void FrameWindow::resetToolbarPictures()
{
    if (ui::toolbarState().highlightCleared())
        return;
    for (int position = 1; position <= kToolbarPositions; ++position) {
        const ToolbarPosition& button = toolbarPosition(position);
        if (!button.separator && !isToolbarButtonActive(button))
            toolbar_->setButtonImage(position, ToolbarControl::PictureNormal);
    }
    toolbar_->refresh();
    ui::toolbarState().setHighlightCleared(true);
    toolbarPictureReset_->setInterval(0);
    toolbarPictureReset_->setEnabled(false);
}

void FrameWindow::armToolbarPictureReset(int ms)
{
    toolbarPictureReset_->setInterval(ms);
    toolbarPictureReset_->setEnabled(true);
}
