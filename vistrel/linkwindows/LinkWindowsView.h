#pragma once
// How the link windows show the session: the status window's lamps, markers, labels
// and log, the user settings' boxes, warning and saving, and the windows that the
// session's steps keep out of the way. Each window is made when the session first
// has something for it, so it shows the session's state when it opens.
// Once this has run, the session also reads its settings from these windows, and its
// boxes are shown through SessionMessagesView.h.
class LinkWindows;
class ReflectorSession;

void showSessionInLinkWindows(ReflectorSession& session, LinkWindows& windows);
