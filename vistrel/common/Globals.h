#pragma once
// Program-wide variables that the windows of every subsystem read and write directly.
// Everything runs on the one user-interface thread, so none of this is locked.
// Variables that only one window uses live beside that window instead.
#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <vector>

// The reflector connection's state is the session's (link/LinkState.h).

// --- The directory ----------------------------------------------------------------------
// One webcam of a reflector reply; rows 1 to 1000 of gWebCamTable are used.
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
inline constexpr int kWebCamTableRows = 1001;
extern std::array<WebCamRecord, kWebCamTableRows> gWebCamTable;

inline constexpr int kTopicSlots = 2001; // entries 1 to 2000 hold topic names
extern std::array<QByteArray, kTopicSlots> gTopics;

// The topic pictures of the "icons" folder, as the last icon load listed them: rows 0
// to n-1 hold the n files (at most 501), row n, when there is one, is empty.
struct IconFile {
    QByteArray fileName;
    QByteArray imageKey; // the file name up to its first "_"
};
inline constexpr int kIconFileRows = 501;
extern std::array<IconFile, kIconFileRows> gIconFiles;
extern qint16 gIconCount; // the icon files listed, plus one for the closing empty row

extern qint16 gSelectedNodeIndex; // the tree node last clicked; the next webcams hang under it
extern bool gNoIcons;             // the user switched icon loading off
extern bool gBracketUrlMode;      // a Shift+right-click asked the next node click for the raw address
extern bool gSummaryOpen;         // the webcam locator window is open
extern bool gSummaryHasEntries;   // the locator's result list holds entries
