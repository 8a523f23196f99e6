#include "common/Globals.h"

std::array<WebCamRecord, kWebCamTableRows> gWebCamTable;
std::array<QByteArray, kTopicSlots> gTopics;
std::array<IconFile, kIconFileRows> gIconFiles;
qint16 gIconCount = 0;
qint16 gSelectedNodeIndex = 0;
bool gNoIcons = false;
bool gBracketUrlMode = false;
bool gSummaryOpen = false;
bool gSummaryHasEntries = false;
