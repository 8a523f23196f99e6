#include "ui/ToolbarState.h"

namespace ui {

ToolbarState& toolbarState()
{
    static ToolbarState state;
    return state;
}

} // namespace ui
