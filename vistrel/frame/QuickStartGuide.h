#pragma once
// The quick-start guide: a fixed page of pictures and labels. It opens on the first
// run and from the main window's Quick Start item.
#include <QWidget>

class QuickStartGuide : public QWidget {
    Q_OBJECT
public:
    QuickStartGuide();
};
