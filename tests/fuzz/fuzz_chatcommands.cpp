// Reading any chunk from the support side into a remote command, compared with the
// rule: the first tag of the command table that the chunk holds decides (none: chat
// text); the arguments are the chunk's second and third comma fields; a toolbar
// button is 1 to 16 written plainly; a height change stays within its bound; and a
// clip handed to the player is a plain piece of its field, never an option.
#include "FuzzSupport.h"

#include "chatprotocol/RemoteCommands.h"

#include <QList>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace {

// The tags in the table's order, written down apart from the reader.
constexpr std::array<const char*, 23> kTags = {
    "/SHOWCLIP/",         "/Display1/",    "/Display2/",      "/SHOW/",          "/HIDE/",
    "/HEIGHT/",           "/IDENT/",       "/FLASH/",         "/FLASHOFF/",      "/CLICK_CONNECT/",
    "/CLICK_DISCONNECT/", "/CLICK_EXIT/",  "/CLICK_LOCATOR/", "/CLICK_STATUS/",  "/CLICK_VISTREL/",
    "/CLICK_MEDIA/",      "/CLICK_REAL/",  "/CLICK_SEARCH/",  "/CLICK_OPTIONS/", "/CLICK_SERVSET/",
    "/CLICK_USERSET/",    "/CLICK_ABOUT/", "/CLICK_UPDATE/",
};

const char* firstTagIn(const QByteArray& chunk)
{
    for (const char* tag : kTags) {
        if (chunk.contains(tag))
            return tag;
    }
    return nullptr;
}

QByteArray field(const QByteArray& chunk, int number)
{
    const QList<QByteArray> fields = chunk.split(',');
    return number <= fields.size() ? fields[number - 1] : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray chunk(reinterpret_cast<const char*>(data), qsizetype(size));
    const chat::RemoteCommand command = chat::readRemoteCommand(chunk);

    const char* expectedTag = firstTagIn(chunk);
    fuzz::require((command.action == chat::RemoteAction::ChatText) == (expectedTag == nullptr),
                  "a chunk is chat text exactly when it holds no tag");
    fuzz::require(command.tag == expectedTag || (command.tag && expectedTag && QByteArray(command.tag) == expectedTag),
                  "the first tag of the table decides");
    if (!expectedTag)
        return 0;

    fuzz::require(command.argument1 == field(chunk, 2), "argument 1 is the second comma field");
    fuzz::require(command.argument2 == field(chunk, 3), "argument 2 is the third comma field");
    fuzz::require(std::abs(command.heightChange) <= chat::kLargestHeightChange, "a height change stays bounded");
    if (command.toolbarButton) {
        QByteArray written = command.argument1;
        written.replace('\r', QByteArray()).replace('\n', QByteArray());
        fuzz::require(*command.toolbarButton >= 1 && *command.toolbarButton <= 16, "a toolbar button is 1 to 16");
        fuzz::require(written == QByteArray::number(*command.toolbarButton), "a toolbar button is written plainly");
    }

    const QByteArray clip = chat::clipArgument(command.argument1);
    if (!clip.isEmpty()) {
        fuzz::require(command.argument1.startsWith(clip), "a clip is the start of its field");
        fuzz::require(!clip.startsWith('-') && !clip.startsWith(':'), "a clip is never an option");
        for (char c : clip)
            fuzz::require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, "a clip holds no control character");
    }
    return 0;
}
