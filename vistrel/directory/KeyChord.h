#pragma once
// A chord of keys that counts only when all of its keys have been released in a row:
// each released key of the chord sets its flag, any other key clears them all.
#include <QList>

class KeyChord {
public:
    explicit KeyChord(QList<int> keys);

    // Takes one key release (a Qt::Key); true when every key of the chord has now been
    // released with no other key in between. The flags keep their values until another
    // key clears them.
    bool keyReleased(int key);

private:
    QList<int> keys_;
    QList<bool> released_;
};
