// The settings files of the program's folder over any content: the first byte chooses
// the file, the rest is its content. Whatever a reader gives back, writing it and
// reading the file again gives the same, wherever the file's form can keep it:
// - ServerSettings.txt (raw lines): addresses without a comma, a double quote or a
//   leading blank;
// - UserSettings.txt (records): a user name and ID that fit a record, and a password
//   that the cipher brings back;
// - Showform.txt, OptionSettings.txt: the choice and the box state;
// - vr.dat, rapc.dat: topics and a password that the cipher brings back.
// No value read from a file of lines holds a line break.
#include "ProgramFolder.h"

#include "link/ServerSettingsFile.h"
#include "link/ShowformFile.h"
#include "link/UserSettingsFile.h"
#include "platform/RuntimeError.h"
#include "tools/OptionSettingsFile.h"
#include "tools/RestrictedTopicsStore.h"

#include <algorithm>

namespace {

bool holdsLineBreak(const QByteArray& value)
{
    return value.contains('\r') || value.contains('\n');
}

bool keptByRawLine(const QByteArray& value)
{
    return !value.contains(',') && !value.contains('"') && !value.startsWith(' ') && !holdsLineBreak(value);
}

void serverSettingsReadBack()
{
    const ServerAddresses read = readServerSettingsFile();
    fuzz::require(!holdsLineBreak(read.primary) && !holdsLineBreak(read.backup), "an address holds no line break");
    if (!keptByRawLine(read.primary) || !keptByRawLine(read.backup))
        return;
    fuzz::require(bool(writeServerSettingsFile(read)), "the addresses are written");
    const ServerAddresses again = readServerSettingsFile();
    fuzz::require(again.primary == read.primary && again.backup == read.backup, "the addresses read back");
}

void userSettingsReadBack()
{
    const StoredUserSettings read = readUserSettingsFile();
    fuzz::require(!holdsLineBreak(read.userName) && !holdsLineBreak(read.userId) && !holdsLineBreak(read.passwordCodes),
                  "a user setting holds no line break");
    const QByteArray password = passwordFromCodeList(read.passwordCodes);
    if (!fitsInRecord(read.userName) || !fitsInRecord(read.userId) || !passwordRestorable(password))
        return;
    fuzz::require(bool(writeUserSettingsFile({read.userName, read.userId, password})), "the user settings are written");
    const StoredUserSettings again = readUserSettingsFile();
    fuzz::require(again.userName == read.userName && again.userId == read.userId, "the user name and ID read back");
    fuzz::require(passwordFromCodeList(again.passwordCodes) == password, "the password reads back");
}

void showformReadBack()
{
    const QByteArray read = readShowformFile();
    fuzz::require(!holdsLineBreak(read), "the choice holds no line break");
    fuzz::require(bool(writeShowformFile(read == "1")), "the choice is written");
    fuzz::require(readShowformFile() == (read == "1" ? "1" : "0"), "the choice reads back");
}

void optionSettingsReadBack()
{
    const std::optional<int> state = readIconBoxStateFile();
    if (!state)
        return;
    fuzz::require(*state >= 0 && *state <= 2, "a box state is 0 to 2");
    fuzz::require(bool(writeIconBoxStateFile(*state)), "the box state is written");
    fuzz::require(readIconBoxStateFile() == state, "the box state reads back");
}

void restrictedTopicsReadBack()
{
    const QList<QByteArray> topics = readRestrictedTopicsFile();
    const bool keepable = std::ranges::all_of(
        topics, [](const QByteArray& topic) { return !topic.isEmpty() && passwordRestorable(topic); });
    if (!keepable)
        return;
    fuzz::require(bool(writeRestrictedTopicsFile(topics)), "the topics are written");
    fuzz::require(readRestrictedTopicsFile() == topics, "the topics read back");
}

void restrictedPasswordReadBack()
{
    const std::optional<QByteArray> password = readRestrictedPasswordFile();
    if (!password || !passwordRestorable(*password))
        return;
    fuzz::require(bool(writeRestrictedPasswordFile(*password)), "the password is written");
    fuzz::require(readRestrictedPasswordFile() == password, "the password reads back");
}

struct SettingsFile {
    const char* name;
    void (*readBack)();
};

constexpr SettingsFile kFiles[] = {
    {"ServerSettings.txt", serverSettingsReadBack},
    {"UserSettings.txt", userSettingsReadBack},
    {"Showform.txt", showformReadBack},
    {"OptionSettings.txt", optionSettingsReadBack},
    {"vr.dat", restrictedTopicsReadBack},
    {"rapc.dat", restrictedPasswordReadBack},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const SettingsFile& file = kFiles[data[0] % std::size(kFiles)];
    fuzz::ProgramFolder::get().writeFile(file.name,
                                         QByteArray(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)));
    try {
        file.readBack();
    } catch (const platform::RuntimeError& error) {
        // The string component fails only when it cannot run at all.
        fuzz::require(false, qPrintable(error.description()));
    }
    return 0;
}
