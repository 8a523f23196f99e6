#pragma once
// Which of the frame toolbar's commands is the current one: the command pressed last,
// whose window or action is still open. The toolbar keeps that button's active picture
// while the others go back to normal; a window that closes gives its button back
// (ToolbarGiveBack.h). Everything runs on the user-interface thread.
#include <array>

namespace ui {

// The toolbar commands that can be current, by their flag's number. NoButton is a flag
// that no toolbar button sets or clears.
enum class ToolbarEntry {
    Connect,
    Disconnect,
    Exit,
    Locator,
    Status,
    MediaPlayer,
    NoButton,
    RealPlayer,
    PlayerSearch,
    Options,
    ServerSettings,
    UserSettings,
    About,
    Update,
};

class ToolbarState {
public:
    static constexpr int kEntries = static_cast<int>(ToolbarEntry::Update) + 1;

    bool isActive(ToolbarEntry entry) const { return active_[index(entry)]; }
    void setActive(ToolbarEntry entry, bool active) { active_[index(entry)] = active; }

    // False while a reset of the highlighted pictures is pending: the mouse moved over
    // the client area since the last reset.
    bool highlightCleared() const { return highlightCleared_; }
    void setHighlightCleared(bool cleared) { highlightCleared_ = cleared; }

private:
    static int index(ToolbarEntry entry) { return static_cast<int>(entry); }

    std::array<bool, kEntries> active_{};
    bool highlightCleared_ = false; // a reset is pending from the start
};

// The program's one toolbar state.
ToolbarState& toolbarState();

} // namespace ui
