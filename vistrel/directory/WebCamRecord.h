#pragma once
// One webcam of a reflector's webcam reply, its fields as the reply gives them.
#include <QByteArray>

struct WebCamRecord {
    QByteArray marker; // an empty marker ends the list
    QByteArray streamAddress;
    QByteArray unread;
    QByteArray name;
    QByteArray passwordNeeded; // "Y" when the webcam asks for a password
    QByteArray password;
    QByteArray place;
    QByteArray kind; // "IEStream", "NoStream", "RealPlay", "MediaPlay" or a transmitter
};
