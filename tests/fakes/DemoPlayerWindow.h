#pragma once
// The demo's stand-in for a media player, for machines without one: a window that says
// what it was asked to play. The run command names it in the player-path files when no
// player is installed, so that opening a stream webcam shows where the stream would play.
#include <QStringList>
#include <QWidget>

class QLabel;

class DemoPlayerWindow : public QWidget {
    Q_OBJECT
public:
    // arguments: what the player was started with, without the program's name.
    explicit DemoPlayerWindow(const QStringList& arguments, QWidget* parent = nullptr);

    QLabel* playingLabel = nullptr; // "Playing <address>", or that nothing was given
};
