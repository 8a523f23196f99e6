#pragma once
// A window whose right mouse button opens its help page: a press of the right button
// on the window or on one of the named controls opens the page (a path under the
// product web server, "/help/Summary.htm"). Other buttons, and controls not named,
// open nothing. A page that cannot be opened is told in a message box with the reason.
#include <QList>
#include <QString>

class QWidget;

void openHelpOnRightClick(QWidget& window, const QList<QWidget*>& controls, const QString& page);
