#pragma once
// The server settings window: the reflector's main and backup addresses, the
// reflector port and the transmitter port. Its boxes are the live values that every
// connection reads at the moment it connects, so an edit counts at the next
// connection, saved or not. Closing the window only hides it; the boxes keep their
// text for the whole run.
#include "ui/ProgramWindow.h"

class QByteArray;
class QLineEdit;
class QPushButton;

class ServerSettingsWindow : public ProgramWindow {
    Q_OBJECT
public:
    ServerSettingsWindow();

    void load();
    // "Save Settings": writes the two addresses to ServerSettings.txt, reports, and
    // closes (hides) the window; after a failed write the window stays open.
    void save();

    // The boxes' texts as they stand: a connection reads them as it connects.
    QString primaryAddress() const;
    QString backupAddress() const;
    QString portText() const;
    QString viewerPortText() const;

    // The start-up's addresses, from ServerSettings.txt or the web server.
    void setAddresses(const QByteArray& primary, const QByteArray& backup);
    // The ports that the command line gives in place of the boxes' design port.
    void setReflectorPort(int port);
    void setViewerPort(int port);

private:
    QLineEdit* reflectorAddressBox_ = nullptr;       // the main reflector's host name or address
    QLineEdit* backupReflectorAddressBox_ = nullptr; // the backup reflector's host name or address
    QLineEdit* reflectorPortBox_ = nullptr;          // the port of every reflector connection
    QLineEdit* viewerPortBox_ = nullptr;             // the transmitter channel's port (not editable)
    QPushButton* saveButton_ = nullptr;              // "Save Settings"
};
