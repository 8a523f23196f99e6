// Vistrel: the desktop client for the reflector's directory of live webcams.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vistrel");
    QMainWindow window;
    window.setWindowTitle("Vistrel");
    window.resize(800, 600);
    window.show();
    return app.exec();
}
