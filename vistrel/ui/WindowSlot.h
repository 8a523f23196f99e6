#pragma once
// The program's windows are made on first use and kept for the whole run: other
// windows hold their controls as live state, so a window is never deleted while the
// program runs ("unloading" one only hides it). An owner of windows (LinkWindows,
// ProgramWindows ...) holds one WindowSlot per window and one WindowKeeper for all.
//
//   windows.serverSettings().reflectorAddressBox->text()
//
// The first use makes the window and then runs its load handler load() once, where
// the window has one. The window is not shown.
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace ui {

// Deletes the windows it keeps, the newest first, when it ends or when told.
class WindowKeeper {
public:
    WindowKeeper() = default;
    WindowKeeper(const WindowKeeper&) = delete;
    WindowKeeper& operator=(const WindowKeeper&) = delete;
    ~WindowKeeper() { destroyAll(); }

    void keep(QWidget* window) { windows_.emplace_back(window); }
    // Every slot is empty afterwards, so the next use makes a fresh window (tests).
    void destroyAll();

private:
    std::vector<QPointer<QWidget>> windows_;
};

// Window: a QWidget with a default constructor, or one that `make` builds. Named in
// headers with the window only declared.
template <typename Window>
class WindowSlot {
public:
    using Make = std::function<Window*()>;

    explicit WindowSlot(
        WindowKeeper& keeper, Make make = [] { return new Window(); })
        : keeper_(keeper), make_(std::move(make))
    {
    }
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;

    Window& operator()()
    {
        if (!window_) {
            // Known before the load handler runs, so the handler may use its own slot.
            window_ = make_();
            keeper_.keep(window_);
            if constexpr (requires(Window & window) { window.load(); })
                window_->load();
        }
        return *window_;
    }

    bool isMade() const { return !window_.isNull(); }

private:
    WindowKeeper& keeper_;
    Make make_;
    QPointer<Window> window_;
};

} // namespace ui
