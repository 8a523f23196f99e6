#pragma once
// The base of the program's windows. It paints the window's gradient background from
// the configured colour (Gradient.h) whenever the window is activated or resized, and
// a close never destroys the window: it gives the window's toolbar button back, when
// the window has one (ToolbarGiveBack.h), and hides it; a window that asks for it
// (letClosesThrough()) is closed instead, so that it opens afresh. Showing the window
// (show(), showNormal(), a command that opens it) brings it to the front and makes it
// the active window, also when it was open already behind the frame.
//
// To adopt it, derive from ProgramWindow instead of QWidget, pass the toolbar button
// and its entry of the toolbar state to the constructor (or nothing, for a window without
// a button), and drop the window's own event(), resizeEvent() and closeEvent()
// plumbing. Steps of the window's own go into activated(), closing() and closed().
#include "ui/ToolbarState.h"

#include <QWidget>

#include <optional>

class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    // The toolbar button that opens the window, and its entry of the toolbar state.
    struct ToolbarButton {
        int button;
        ui::ToolbarEntry entry;
    };

    explicit ProgramWindow(std::optional<ToolbarButton> toolbarButton = std::nullopt, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

protected:
    // Runs on every activation, before the background is painted.
    virtual void activated() {}
    // Runs on every close, before the toolbar button is given back and the window hides.
    virtual void closing() {}
    // Runs on every close once the toolbar button is given back, before the window hides.
    virtual void closed() {}

    // A window that unloads on closing lets its closes through: once closing() and
    // closed() have run, the close is accepted and Qt closes the window, instead of
    // the close being ignored and the window hidden.
    void letClosesThrough() { closesThrough_ = true; }

    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<ToolbarButton> toolbarButton_;
    bool closesThrough_ = false;
};
