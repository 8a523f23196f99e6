#include "ui/ToolbarPicture.h"

#include <utility>

namespace {

std::function<void(int, int)>& changer()
{
    static std::function<void(int, int)> change;
    return change;
}

} // namespace

void setToolbarPictureChanger(std::function<void(int button, int picture)> change)
{
    changer() = std::move(change);
}

bool changeToolbarPicture(int button, int picture)
{
    if (!changer())
        return false;
    changer()(button, picture);
    return true;
}
