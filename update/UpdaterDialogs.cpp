#include "UpdaterDialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace updater {

void MessageBoxDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vistrel"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace updater
