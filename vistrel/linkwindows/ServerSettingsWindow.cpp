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
    reflectorAddressBox = new QLineEdit(serverInfo);
    backupReflectorAddressBox = new QLineEdit(serverInfo);
    reflectorPortBox = portBox(serverInfo);
    viewerPortBox = portBox(serverInfo);
    viewerPortBox->setEnabled(false);
    fields->addRow(QStringLiteral("DB Server Name/IP Address"), reflectorAddressBox);
    fields->addRow(QStringLiteral("Backup Server Name/IP Address"), backupReflectorAddressBox);
    fields->addRow(QStringLiteral("Reflector Port #"), reflectorPortBox);
    fields->addRow(QStringLiteral("Transmitter Port #  "), viewerPortBox);
    layout->addWidget(serverInfo);

    saveButton = new QPushButton(QStringLiteral("Save Settings"), this);

    ui::giveObjectNames({{reflectorAddressBox, "txtIPAddress"},
                         {backupReflectorAddressBox, "txtIPAddressBackUp"},
                         {reflectorPortBox, "txtPort"},
                         {viewerPortBox, "txtViewerPort"},
                         {saveButton, "Command1"}});
    makeGraphicalButton(*saveButton);
    layout->addWidget(saveButton, 0, Qt::AlignHCenter);
    connect(saveButton, &QPushButton::clicked, this, &ServerSettingsWindow::save);
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
        {platform::toCp1252(reflectorAddressBox->text()), platform::toCp1252(backupReflectorAddressBox->text())});
    if (!written) {
        platform::dialogs().messageBox(written.errorDescription);
        return;
    }
    platform::dialogs().messageBox(QStringLiteral("Server Settings Saved..."));
    close();
}

QString ServerSettingsWindow::primaryAddress() const
{
    return reflectorAddressBox->text();
}

QString ServerSettingsWindow::backupAddress() const
{
    return backupReflectorAddressBox->text();
}

QString ServerSettingsWindow::portText() const
{
    return reflectorPortBox->text();
}

QString ServerSettingsWindow::viewerPortText() const
{
    return viewerPortBox->text();
}

void ServerSettingsWindow::setAddresses(const QByteArray& primary, const QByteArray& backup)
{
    reflectorAddressBox->setText(platform::fromCp1252(primary));
    backupReflectorAddressBox->setText(platform::fromCp1252(backup));
}

void ServerSettingsWindow::setReflectorPort(int port)
{
    reflectorPortBox->setText(QString::number(port));
}

void ServerSettingsWindow::setViewerPort(int port)
{
    viewerPortBox->setText(QString::number(port));
}
