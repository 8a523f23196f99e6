#pragma once
// The player search window. Until the search itself is built it holds what the
// topic tree sets when a player is missing: the explanation banner, the file name to
// look for and the caption of the search button. The kind of player looked for is
// gPlayerKind.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class frmSearch : public QWidget {
    Q_OBJECT
public:
    frmSearch();

    QLabel* Label7 = nullptr;        // the explanation banner
    QLineEdit* txtSearch = nullptr;  // the file name to look for
    QPushButton* cmdSearch = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
