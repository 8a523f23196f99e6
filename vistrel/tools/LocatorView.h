#pragma once
// How the locator window shows the session: its results, the state of its requests,
// the places without webcams and the hint's Yes. The window is loaded when the
// session first has something for it.
class ReflectorSession;

void showSessionInLocator(ReflectorSession& session);
