#pragma once
// The seven pictures that the topic tree's image lists hold from the start, drawn in
// code: a closed and an open topic folder, a video link, the two stream players, a
// still picture and a web page.
#include <QByteArray>
#include <QList>

class ImageList;

// The keys in list order; each picture's tag equals its key.
const QList<QByteArray>& builtInPictureKeys();

// Appends the seven pictures, at the list's own image size.
void addBuiltInPictures(ImageList& list);
