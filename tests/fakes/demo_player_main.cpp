// demo-player [<address>...]
// The demo's stand-in media player (DemoPlayerWindow.h): shows a window that names what
// it was asked to play, until the window is closed.
#include "DemoPlayerWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DemoPlayerWindow window(QApplication::arguments().mid(1));
    window.show();
    return QApplication::exec();
}
