#include "linkwindows/ServerSettingsWindow.h"

#include "link/ServerSettingsFile.h"
#include "platform/Codec.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "ui/Gradient.h"
#include "ui/GraphicalButton.h"
#include "ui/ObjectNames.h"
#include "ui/SharedMenuBar.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using platform::twips;

namespace {

constexpr int kWidthTwips = 5850;
constexpr int kHeightTwips = 3330;
constexpr int kToolbarButton = 12; // "Serv Set"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::ServerSettings;

QLineEdit* portBox(QWidget* parent)
{
    auto* box = new QLineEdit(QStringLiteral("80"), parent);
    box->setMaximumWidth(twips(1200));
    return box;
}

} // namespace

ServerSettingsWindow::ServerSettingsWindow() : ProgramWindow(ToolbarButton{kToolbarButton, kToolbarActiveEntry})
{
    setWindowTitle(QStringLiteral("Server Settings"));

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(createSharedMenuBar(this));

    auto* serverInfo = new QGroupBox(QStringLiteral("Server Info"), this);
    auto* fields = new QFormLayout(serverInfo);
    reflectorAddressBox_ = new QLineEdit(serverInfo);
    backupReflectorAddressBox_ = new QLineEdit(serverInfo);
    reflectorPortBox_ = portBox(serverInfo);
    viewerPortBox_ = portBox(serverInfo);
    viewerPortBox_->setEnabled(false);
    fields->addRow(QStringLiteral("DB Server Name/IP Address"), reflectorAddressBox_);
    fields->addRow(QStringLiteral("Backup Server Name/IP Address"), backupReflectorAddressBox_);
    fields->addRow(QStringLiteral("Reflector Port #"), reflectorPortBox_);
    fields->addRow(QStringLiteral("Transmitter Port #  "), viewerPortBox_);
    layout->addWidget(serverInfo);

    saveButton_ = new QPushButton(QStringLiteral("Save Settings"), this);

    ui::giveObjectNames({{reflectorAddressBox_, "txtIPAddress"},
                         {backupReflectorAddressBox_, "txtIPAddressBackUp"},
                         {reflectorPortBox_, "txtPort"},
                         {viewerPortBox_, "txtViewerPort"},
                         {saveButton_, "Command1"}});
    makeGraphicalButton(*saveButton_);
    layout->addWidget(saveButton_, 0, Qt::AlignHCenter);
    connect(saveButton_, &QPushButton::clicked, this, &ServerSettingsWindow::save);
}

void ServerSettingsWindow::load()
{
    hide();
    setWindowState(Qt::WindowMinimized);
    setFixedSize(twips(kWidthTwips), twips(kHeightTwips));
    paintWindowGradient(*this);
}

void ServerSettingsWindow::save()
{
    const platform::FileWriteResult written = writeServerSettingsFile(
        {platform::toCp1252(reflectorAddressBox_->text()), platform::toCp1252(backupReflectorAddressBox_->text())});
    if (!written) {
        platform::dialogs().messageBox(written.errorDescription);
        return;
    }
    platform::dialogs().messageBox(QStringLiteral("Server Settings Saved..."));
    close();
}

QString ServerSettingsWindow::primaryAddress() const
{
    return reflectorAddressBox_->text();
}

QString ServerSettingsWindow::backupAddress() const
{
    return backupReflectorAddressBox_->text();
}

QString ServerSettingsWindow::portText() const
{
    return reflectorPortBox_->text();
}

QString ServerSettingsWindow::viewerPortText() const
{
    return viewerPortBox_->text();
}

void ServerSettingsWindow::setAddresses(const QByteArray& primary, const QByteArray& backup)
{
    reflectorAddressBox_->setText(platform::fromCp1252(primary));
    backupReflectorAddressBox_->setText(platform::fromCp1252(backup));
}

void ServerSettingsWindow::setReflectorPort(int port)
{
    reflectorPortBox_->setText(QString::number(port));
}

void ServerSettingsWindow::setViewerPort(int port)
{
    viewerPortBox_->setText(QString::number(port));
}
