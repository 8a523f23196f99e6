#pragma once
// What the support side sends on the support connection, read one chunk at a time:
// each chunk is either one remote command or chat text. This part only reads the
// chunk, without a window; chat/RemoteCommandRunner.h carries the command out.
//
// A chunk holds a command when one of the table's tags occurs anywhere in it (exact
// letter case). The tags are tested in the table's order and the first one found
// decides, wherever it stands in the chunk. The arguments are the chunk's fields
// after its first comma ("/IDENT/,Alice,http://host/a.gif"), not trimmed.
#include <QByteArray>

#include <optional>

namespace chat {

enum class RemoteAction {
    ChatText,     // no tag: the chunk goes into the transcript
    ShowClip,     // play argument1 in the media player
    ShowPicture1, // argument1 into the upper picture panel, show the window
    ShowPicture2, // argument1 into the lower picture panel, enlarge once, show
    Show,
    Hide,
    ChangeHeight, // heightChange twips
    Identify,     // argument1 is the support person's name, argument2 a picture
    Highlight,    // toolbarButton gets its highlighted picture
    Unhighlight,  // toolbarButton gets its normal picture
    Connect,      // the toolbar's Connect, around the connect command
    Disconnect,   // the toolbar's Disconnect, around the disconnect command
    RunCommand,   // the program's command of that name (CommandRegistry.h)
};

struct RemoteCommand {
    RemoteAction action = RemoteAction::ChatText;
    const char* tag = nullptr;         // the tag that decided; null for chat text
    QByteArray argument1;              // field 2
    QByteArray argument2;              // field 3
    int heightChange = 0;              // ChangeHeight: the leading number of argument1
    std::optional<int> toolbarButton;  // (Un)highlight: 1 to 16 when argument1 names one
    const char* commandName = nullptr; // RunCommand (also Connect, Disconnect)
};

RemoteCommand readRemoteCommand(const QByteArray& chunk);

// Field number (from 1) of text cut at each delimiter; empty past the last field.
QByteArray delimitedField(const QByteArray& text, int number, char delimiter);

// The number at the start of text, blanks skipped, with an optional sign; 0 when it
// starts with no number. Held within +-kLargestHeightChange, so that no text can
// overflow the height arithmetic.
int leadingNumber(const QByteArray& text);
inline constexpr int kLargestHeightChange = 1'000'000'000;

// The clip address of "/SHOWCLIP/" as the media player gets it: without the line end
// after it, and nothing when it is empty, begins with "-" or ":" (the player would read
// an option) or holds any other control character.
QByteArray clipArgument(const QByteArray& field);

} // namespace chat
