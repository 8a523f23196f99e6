#pragma once
// How the main window shows the session: the status bar's texts (written only once
// the main window exists, so the session never makes it and the frame by itself),
// the webcam replies hung in the tree, and the logout the session asks for.
#include "ui/WindowSlot.h"

class MainWindow;
class ReflectorSession;

void showSessionInMainWindow(ReflectorSession& session, ui::WindowSlot<MainWindow>& main);
