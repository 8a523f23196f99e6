#pragma once
// The snapshot window: fetches a still picture by its address and shows it, on demand
// or at a fixed rate. Several can be open at once; the View menu shows the default one.
#include <QWidget>

class QLineEdit;

class frmWebCam : public QWidget {
    Q_OBJECT
public:
    frmWebCam();

    // Fetches the picture at txtURL and shows it.
    void Command1_Click();
    // Shows the picture at the address as an animated picture (".gif" addresses).
    void loadAnimatedPicture(const QString& address);

    QLineEdit* txtURL = nullptr; // the picture's address
};
