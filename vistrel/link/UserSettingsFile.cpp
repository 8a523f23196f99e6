#include "link/UserSettingsFile.h"

#include "common/Lexmara.h"
#include "link/SettingsFileLines.h"
#include "platform/ProgramFolder.h"

#include <optional>

namespace {

// The key that the stored password is enciphered under; changing it would make every
// saved password unreadable.
const QByteArray kPasswordKey = QByteArrayLiteral("zzplern");

QString userSettingsPath()
{
    return platform::programFile(QStringLiteral("UserSettings.txt"));
}

// A code of the list as a byte, or nothing when the item is not a number from 0 to 255.
std::optional<char> codeOf(const QByteArray& item)
{
    if (item.isEmpty() || item.size() > 3)
        return std::nullopt;
    int code = 0;
    for (const char digit : item) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        code = code * 10 + (digit - '0');
    }
    if (code > 255)
        return std::nullopt;
    return static_cast<char>(code);
}

} // namespace

bool fitsInRecord(const QByteArray& value)
{
    return !value.contains('"') && !value.contains('\r') && !value.contains('\n');
}

bool passwordRestorable(const QByteArray& password)
{
    return !password.contains('\xFF');
}

QByteArray passwordCodeList(const QByteArray& password)
{
    const QByteArray cipher = gLexmara.StringEncrypt(password, kPasswordKey);
    QList<QByteArray> codes;
    for (const char byte : cipher)
        codes << QByteArray::number(static_cast<unsigned char>(byte));
    return codes.join(' ');
}

QByteArray passwordFromCodeList(const QByteArray& codeList)
{
    QByteArray cipher;
    for (const QByteArray& item : codeList.split(' ')) {
        const std::optional<char> code = codeOf(item);
        if (!code)
            break;
        cipher += *code;
    }
    return gLexmara.StringDecrypt(cipher, kPasswordKey);
}

platform::FileWriteResult writeUserSettingsFile(const UserSettingsRecord& record)
{
    return platform::writeRecords(userSettingsPath(),
                                  {{record.userName}, {record.userId}, {passwordCodeList(record.password)}},
                                  platform::FileAccess::OwnerOnly);
}

StoredUserSettings readUserSettingsFile()
{
    const QList<QByteArray> values = readFirstValueOfLines(userSettingsPath(), 3);
    return {values[0], values[1], values[2]};
}
