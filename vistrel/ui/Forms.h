#pragma once
// The program's windows, each created on its first reference and kept for the
// whole run: other windows hold its controls as live state, so a window is
// never deleted while the program runs ("unloading" one only hides it).
//
//   ui::form<ServerSettingsWindow>().reflectorAddressBox->text()
//
// The first reference constructs the window and then runs its load handler
// load() once, where the window has one. The window is not shown.
#include <QPointer>
#include <QWidget>

#include <concepts>

namespace ui {

namespace detail {

template <typename Window>
QPointer<Window>& formSlot()
{
    static QPointer<Window> window;
    return window;
}

void registerForm(QWidget* window);

} // namespace detail

template <typename Window>
requires std::derived_from<Window, QWidget> Window& form()
{
    QPointer<Window>& slot = detail::formSlot<Window>();
    if (!slot) {
        // Known before the load handler runs, so the handler may refer to its own window.
        slot = new Window();
        detail::registerForm(slot);
        if constexpr (requires(Window & window) { window.load(); })
            slot->load();
    }
    return *slot;
}

template <typename Window>
requires std::derived_from<Window, QWidget>
bool isLoaded()
{
    return !detail::formSlot<Window>().isNull();
}

// For tests: deletes every window created through form(), the newest first, so
// that the next reference creates a fresh one.
void destroyAllForms();

} // namespace ui
