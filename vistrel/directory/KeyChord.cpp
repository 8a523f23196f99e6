#include "directory/KeyChord.h"

#include <algorithm>

KeyChord::KeyChord(QList<int> keys) : keys_(std::move(keys)), released_(keys_.size(), false)
{
}

bool KeyChord::keyReleased(int key)
{
    const qsizetype index = keys_.indexOf(key);
    if (index < 0)
        std::fill(released_.begin(), released_.end(), false);
    else
        released_[index] = true;
    return std::all_of(released_.begin(), released_.end(), [](bool flag) { return flag; });
}
