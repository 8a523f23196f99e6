#pragma once
// Carries out what the support side sends on the support connection (RemoteCommands.h
// reads it): pictures, showing, hiding and enlarging the chat window, a media clip,
// toolbar highlights and the program's own commands, which run by name through the
// command registry. A chunk without a command is chat text for the transcript.
// Nothing is answered; a step that fails is skipped.
#include <QByteArray>

#include "ui/WindowSlot.h"

class LocatorWindow;
class SupportChatWindow;

void runRemoteCommand(SupportChatWindow& window, ui::WindowSlot<LocatorWindow>& locator, const QByteArray& chunk);
