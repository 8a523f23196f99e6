#pragma once
// The about box: the program's title and version with fixed texts, and a button that
// starts the system information tool. The tool is found through the machine-wide
// settings (platform/MachineSettings.h) under the keys the desktop registry uses:
// "PATH" under "SOFTWARE\Microsoft\Shared Tools\MSINFO" names the tool itself, and
// "MSINFO" under "SOFTWARE\Microsoft\Shared Tools Location" the folder that holds
// "MSINFO32.EXE".
//
// A modeless window of its own. Closing it, by OK or by the close box, gives the
// toolbar's About button back.
#include <QByteArray>
#include <QWidget>

class QLabel;
class QPushButton;

// Object names: "lblTitle", "lblVersion", "lblModule", "lblDescription",
// "lblDisclaimer", "Image1" (the program's picture), "cmdSysInfo" and "cmdOK".
class AboutBox : public QWidget {
    Q_OBJECT
public:
    // The longest value readKeyValue takes, its terminating NUL included.
    static constexpr int kValueBufferBytes = 1024;

    AboutBox();

    // The texts and the height.
    void load();

    // Reads a value of the settings file that stands for the machine-wide registry
    // root: a text as it is, a four-byte number as "&h" and its bytes from the highest
    // to the lowest, two hex digits each ("&h00000400"). False, and value empty, when
    // the file, the key or the value is missing, the value does not fit the buffer, or
    // its type is neither of the two.
    static bool readKeyValue(const QString& rootFile, const QByteArray& keyName, const QByteArray& valueName,
                             QByteArray& value);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    // Starts the system information tool, or tells the user it is unavailable.
    void startSystemInfoTool();

private:
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* moduleLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
    QLabel* programPicture_ = nullptr;
    QPushButton* systemInfoButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// The main window's About command: the about box, modeless, in front of the frame
// (OwnedWindow.h).
void showAboutBox(AboutBox& box, QWidget& frame);
