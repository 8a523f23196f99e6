#include "tools/RestrictedTopicsStore.h"

#include "common/Lexmara.h"
#include "link/UserSettingsFile.h"
#include "platform/Codec.h"
#include "platform/ProgramFolder.h"
#include "platform/RuntimeError.h"

#include <QFileInfo>

namespace {

constexpr char kEscape = '\0';
constexpr char kEscapeFlip = 0x40;

QString topicsPath()
{
    return platform::programFile(QStringLiteral("vr.dat"));
}

QString passwordPath()
{
    return platform::programFile(QStringLiteral("rapc.dat"));
}

bool needsEscape(char byte)
{
    return byte == '\r' || byte == '\n' || byte == kEscape;
}

// The cipher text as one line's content (see the header for the escape).
QByteArray lineOfCipher(const QByteArray& cipher)
{
    QByteArray line;
    line.reserve(cipher.size());
    for (const char byte : cipher) {
        if (needsEscape(byte)) {
            line += kEscape;
            line += char(byte ^ kEscapeFlip);
        } else {
            line += byte;
        }
    }
    return line;
}

// The cipher text back from a line; a NUL at the very end of a damaged line stays as it is.
QByteArray cipherOfLine(const QByteArray& line)
{
    QByteArray cipher;
    cipher.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == kEscape && i + 1 < line.size())
            cipher += char(line[++i] ^ kEscapeFlip);
        else
            cipher += line[i];
    }
    return cipher;
}

// The lines of content; a line ends at CR LF, LF or CR.
QList<QByteArray> splitLines(QByteArray content)
{
    if (content.isEmpty())
        return {};
    content.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines = content.split('\n');
    if (content.endsWith('\n'))
        lines.removeLast(); // the last line's end starts no further line
    return lines;
}

QByteArray decipher(const QByteArray& line)
{
    return gLexmara.StringDecrypt(cipherOfLine(line), kRestrictedTopicsKey);
}

platform::FileWriteResult componentFailure(const platform::RuntimeError& error)
{
    return {false, error.number(), error.description()};
}

} // namespace

QList<QByteArray> readRestrictedTopicsFile()
{
    QList<QByteArray> topics;
    for (const QByteArray& line : splitLines(platform::readFile(topicsPath()).value_or(QByteArray()))) {
        if (line.isEmpty())
            break;
        try {
            topics << decipher(line);
        } catch (const platform::RuntimeError&) {
            // An entry that cannot be deciphered is left out; the others keep their order.
        }
    }
    return topics;
}

platform::FileWriteResult writeRestrictedTopicsFile(const QList<QByteArray>& topics)
{
    QList<QByteArray> lines;
    try {
        for (const QByteArray& topic : topics)
            lines << lineOfCipher(gLexmara.StringEncrypt(topic, kRestrictedTopicsKey));
    } catch (const platform::RuntimeError& error) {
        return componentFailure(error);
    }
    return platform::writeRawLines(topicsPath(), lines, platform::FileAccess::OwnerOnly);
}

std::optional<QByteArray> readRestrictedPasswordFile()
{
    if (!QFileInfo::exists(passwordPath()))
        return QByteArray();
    const std::optional<QByteArray> content = platform::readFile(passwordPath());
    if (!content)
        return std::nullopt;
    const QList<QByteArray> lines = splitLines(*content);
    if (lines.isEmpty())
        return QByteArray();
    try {
        return decipher(lines.first());
    } catch (const platform::RuntimeError&) {
        return std::nullopt;
    }
}

QString passwordNotStorableMessage()
{
    return QStringLiteral("The password holds a character that cannot be stored. Please type another password.");
}

platform::FileWriteResult writeRestrictedPasswordFile(const QByteArray& password)
{
    if (!passwordRestorable(password))
        return {false, 0, passwordNotStorableMessage()};
    QByteArray line;
    try {
        line = lineOfCipher(gLexmara.StringEncrypt(password, kRestrictedTopicsKey));
    } catch (const platform::RuntimeError& error) {
        return componentFailure(error);
    }
    return platform::writeRawLines(passwordPath(), {line}, platform::FileAccess::OwnerOnly);
}

namespace {

QByteArray& passwordInUse()
{
    static QByteArray password;
    return password;
}

} // namespace

const QByteArray& restrictedPassword()
{
    return passwordInUse();
}

void setRestrictedPassword(const QByteArray& password)
{
    passwordInUse() = password;
}

platform::FileWriteResult changeRestrictedPassword(const QByteArray& typedPassword, QByteArray& passwordInUse)
{
    const QByteArray password = platform::trimBlanks(typedPassword);
    platform::FileWriteResult result = writeRestrictedPasswordFile(password);
    if (result)
        passwordInUse = password;
    return result;
}

platform::FileWriteResult deleteRestrictedTopic(QList<QByteArray>& topics, qsizetype index)
{
    const bool selected = index >= 0 && index < topics.size();
    QList<QByteArray> remaining = topics;
    if (selected)
        remaining.removeAt(index);
    platform::FileWriteResult result = writeRestrictedTopicsFile(remaining);
    if (result)
        topics = std::move(remaining);
    return result;
}
