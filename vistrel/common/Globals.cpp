#include "common/Globals.h"

std::array<WebCamRecord, kWebCamTableRows> gWebCamTable;
std::array<QByteArray, kTopicSlots> gTopics;
std::array<IconFile, kIconFileRows> gIconFiles;
qint16 gIconCount = 0;
qint16 gSelectedNodeIndex = 0;
bool gNoIcons = false;
bool gBracketUrlMode = false;
QByteArray gRestrictedPassword;
bool gSummaryOpen = false;
bool gSummaryHasEntries = false;

qint64 gMediaPlayerPid = 0;
qint64 gRealPlayerPid = 0;
qint16 gPlayerKind = 0;

std::array<QPointer<SnapshotWindow>, kSnapshotWindowSlots> gSnapshotWindows;
qint16 gSnapshotWindowCounter = 0;

std::array<bool, kToolbarCommands> gToolbarActive{};
bool gToolbarUpdateActive = false;
bool gToolbarHighlightCleared = false; // a reset is pending from the start
std::array<int, 3> gGradientSettings{};
std::array<int, 3> gGradientColors{};
bool gOptionsRequested = false;
