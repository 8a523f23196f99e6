#pragma once
// A status bar of text panels, counted from 1, whose texts are the program's 8-bit
// texts. Panel 1 takes the room that the others leave.
#include <QByteArray>
#include <QList>
#include <QStatusBar>

class QLabel;

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PanelStatusBar(int panelCount, QWidget* parent = nullptr);

    // The empty text for a panel that does not exist.
    QByteArray panelText(int panel) const;
    // Does nothing for a panel that does not exist.
    void setPanelText(int panel, const QByteArray& text);

private:
    QList<QLabel*> panels_;
};
