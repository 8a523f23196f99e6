#include "chatprotocol/RemoteCommands.h"

#include "common/CommandNames.h"

#include <array>

namespace chat {

namespace {

struct TableRow {
    const char* tag;
    RemoteAction action;
    const char* commandName = nullptr;
};

// In test order: the first tag a chunk holds decides. No tag holds another.
constexpr std::array<TableRow, 23> kCommandTable = {{
    {"/SHOWCLIP/", RemoteAction::ShowClip},
    {"/Display1/", RemoteAction::ShowPicture1},
    {"/Display2/", RemoteAction::ShowPicture2},
    {"/SHOW/", RemoteAction::Show},
    {"/HIDE/", RemoteAction::Hide},
    {"/HEIGHT/", RemoteAction::ChangeHeight},
    {"/IDENT/", RemoteAction::Identify},
    {"/FLASH/", RemoteAction::Highlight},
    {"/FLASHOFF/", RemoteAction::Unhighlight},
    {"/CLICK_CONNECT/", RemoteAction::Connect, ui::command::kConnect},
    {"/CLICK_DISCONNECT/", RemoteAction::Disconnect, ui::command::kDisconnect},
    {"/CLICK_EXIT/", RemoteAction::RunCommand, ui::command::kExit},
    {"/CLICK_LOCATOR/", RemoteAction::RunCommand, ui::command::kShowLocator},
    {"/CLICK_STATUS/", RemoteAction::RunCommand, ui::command::kShowSystemStatus},
    {"/CLICK_VISTREL/", RemoteAction::RunCommand, ui::command::kShowSnapshotWindow},
    {"/CLICK_MEDIA/", RemoteAction::RunCommand, ui::command::kStartMediaPlayer},
    {"/CLICK_REAL/", RemoteAction::RunCommand, ui::command::kStartRealPlayer},
    {"/CLICK_SEARCH/", RemoteAction::RunCommand, ui::command::kShowPlayerSearch},
    {"/CLICK_OPTIONS/", RemoteAction::RunCommand, ui::command::kShowOptions},
    {"/CLICK_SERVSET/", RemoteAction::RunCommand, ui::command::kShowServerSettings},
    {"/CLICK_USERSET/", RemoteAction::RunCommand, ui::command::kShowUserSettings},
    {"/CLICK_ABOUT/", RemoteAction::RunCommand, ui::command::kShowAbout},
    {"/CLICK_UPDATE/", RemoteAction::RunCommand, ui::command::kShowUpdateCheck},
}};

constexpr int kToolbarPositions = 16;

// "1" to "16" exactly, once every CR and LF is removed: no blank, sign or leading zero.
std::optional<int> toolbarButtonOf(QByteArray text)
{
    text.replace('\r', QByteArray()).replace('\n', QByteArray());
    if (text.isEmpty() || text.size() > 2 || text[0] == '0')
        return std::nullopt;
    int number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > kToolbarPositions)
        return std::nullopt;
    return number;
}

} // namespace

QByteArray delimitedField(const QByteArray& text, int number, char delimiter)
{
    if (number < 1)
        return {};
    qsizetype start = 0;
    for (int field = 1; field < number; ++field) {
        const qsizetype found = text.indexOf(delimiter, start);
        if (found < 0)
            return {};
        start = found + 1;
    }
    const qsizetype end = text.indexOf(delimiter, start);
    return text.mid(start, end < 0 ? -1 : end - start);
}

int leadingNumber(const QByteArray& text)
{
    qsizetype at = 0;
    while (at < text.size() && text[at] == ' ')
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kLargestHeightChange)
            value = kLargestHeightChange;
    }
    return int(negative ? -value : value);
}

QByteArray clipArgument(const QByteArray& field)
{
    QByteArray clip = field;
    while (clip.endsWith('\n') || clip.endsWith('\r'))
        clip.chop(1);
    // The player reads an argument that begins with "-" or ":" as an option.
    if (clip.isEmpty() || clip.startsWith('-') || clip.startsWith(':'))
        return {};
    for (char c : clip) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return {};
    }
    return clip;
}

RemoteCommand readRemoteCommand(const QByteArray& chunk)
{
    RemoteCommand command;
    for (const TableRow& row : kCommandTable) {
        if (!chunk.contains(row.tag))
            continue;
        command.action = row.action;
        command.tag = row.tag;
        command.commandName = row.commandName;
        command.argument1 = delimitedField(chunk, 2, ',');
        command.argument2 = delimitedField(chunk, 3, ',');
        if (row.action == RemoteAction::ChangeHeight)
            command.heightChange = leadingNumber(command.argument1);
        if (row.action == RemoteAction::Highlight || row.action == RemoteAction::Unhighlight)
            command.toolbarButton = toolbarButtonOf(command.argument1);
        return command;
    }
    return command;
}

} // namespace chat
