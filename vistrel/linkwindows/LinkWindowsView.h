#pragma once
// How the link windows show the session: the status window's lamps, markers, labels
// and log, the user settings' boxes, warning and saving, and the windows that the
// session's steps keep out of the way. Each window is loaded when the session first
// has something for it, as it always was, so it shows the state when it opens.
// The session also reads its settings from these windows from now on, and its boxes
// are shown through SessionMessagesView.h.
class ReflectorSession;

void showSessionInLinkWindows(ReflectorSession& session);
