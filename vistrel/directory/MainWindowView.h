#pragma once
// How the main window shows the session: the status bar's texts (written only once
// the main window exists, so the session never loads it and the frame by itself),
// the webcam replies hung in the tree, and the logout the session asks for.
class ReflectorSession;

void showSessionInMainWindow(ReflectorSession& session);
