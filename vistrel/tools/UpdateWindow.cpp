#include "tools/UpdateWindow.h"

#include "common/ProgramVersion.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "tools/UpdateVersion.h"
#include "ui/CommandRegistry.h"
#include "ui/ObjectNames.h"
#include "ui/PanelStatusBar.h"
#include "ui/SharedMenuBar.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using platform::twips;

namespace {

// The toolbar's "Update" button.
constexpr int kToolbarButton = 16;
constexpr int kWidthTwips = 4800;
constexpr int kHeightTwips = 2700;

QLineEdit* versionBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(true);
    return box;
}

} // namespace

UpdateWindow::UpdateWindow()
    : ProgramWindow(ToolbarButton{kToolbarButton, ui::ToolbarEntry::Update}),
      check_(versionText(kProgramVersionMajor, kProgramVersionMinor, kProgramVersionRevision))
{
    setWindowTitle(QStringLiteral("Check for Updated Version"));
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));
    auto* versions = new QFormLayout;
    runningVersionBox_ = versionBox(this);
    offeredVersionBox_ = versionBox(this);
    versions->addRow(QStringLiteral("Current Version"), runningVersionBox_);
    versions->addRow(QStringLiteral("Update Version"), offeredVersionBox_);
    layout->addLayout(versions);
    checkButton_ = new QPushButton(QStringLiteral("Check Update"), this);
    layout->addWidget(checkButton_, 0, Qt::AlignHCenter);
    layout->addStretch();
    statusBar_ = new PanelStatusBar(1, this);
    layout->addWidget(statusBar_);

    connect(checkButton_, &QPushButton::clicked, this, &UpdateWindow::checkForUpdate);
    connect(&check_, &UpdateCheck::statusTextChanged, this,
            [this](const QString& text) { statusBar_->setPanelText(1, platform::toCp1252(text)); });
    connect(&check_, &UpdateCheck::versionTextFetched, this,
            [this](const QByteArray& text) { offeredVersionBox_->setText(platform::fromCp1252(text)); });
    // The check's results come from the web server, so their boxes do not wait.
    connect(&check_, &UpdateCheck::upToDate, this, [this] {
        const QPointer<UpdateWindow> window(this);
        platform::dialogs().showMessage(
            QStringLiteral("update check"),
            platform::messageRequest(QStringLiteral("You have the current, most up to date Version. ")),
            [window](platform::MessageAnswer) {
                if (window)
                    window->close();
            });
    });
    connect(&check_, &UpdateCheck::failed, this, [](const QString& description) {
        platform::dialogs().showMessage(QStringLiteral("update check"), platform::messageRequest(description));
    });
    connect(&check_, &UpdateCheck::handOverDue, this, &UpdateWindow::handOver);

    ui::giveObjectNames({
        {runningVersionBox_, "Text1"},
        {offeredVersionBox_, "Text2"},
        {checkButton_, "Command1"},
        {statusBar_, "StatusBar1"},
    });
}

void UpdateWindow::load()
{
    resize(twips(kWidthTwips), twips(kHeightTwips));
    runningVersionBox_->setText(QString::fromLatin1(check_.runningVersion()));
}

void UpdateWindow::checkForUpdate()
{
    check_.start();
}

void UpdateWindow::handOver()
{
    handOverToUpdater(HandOverSteps::fromServices([] { ui::commands().run(ui::command::kDisconnect); }));
}

void UpdateWindow::closing()
{
    check_.cancel();
}

void showUpdateWindow(UpdateWindow& window)
{
    window.setWindowState(Qt::WindowNoState);
    window.show();
}
