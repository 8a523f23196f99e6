#pragma once
// The boxes the session's signals ask for: its messages, the second login's notice
// (after which the client logs out and the program ends) and the "Helpful Hint" that
// offers the locator. Each is shown without waiting, one of a kind at a time, and its
// answer comes from the event loop: the session's signals often come from the
// handling of a reply.
class ReflectorSession;

void showSessionMessages(ReflectorSession& session);
