#include "platform/MachineSettings.h"

#include <QFile>

namespace platform {

namespace {

// A quoted text from text[at] (the opening quote) on; at comes back past the closing
// quote. Nothing when the quote is not closed.
std::optional<QByteArray> quotedText(const QByteArray& text, qsizetype& at)
{
    QByteArray value;
    for (++at; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '"') {
            ++at;
            return value;
        }
        if (c == '\\' && at + 1 < text.size())
            ++at;
        value += text[at];
    }
    return std::nullopt;
}

std::optional<QByteArray> hexBytes(const QByteArray& list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (const QByteArray& item : list.split(',')) {
        bool ok = false;
        const QByteArray digits = item.trimmed();
        const uint byte = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 2)
            return std::nullopt;
        bytes += char(byte);
    }
    return bytes;
}

// The value after "name"=; nothing when it is none of the forms the file knows.
std::optional<MachineValue> parseValue(const QByteArray& text)
{
    if (text.startsWith('"')) {
        qsizetype at = 0;
        const std::optional<QByteArray> value = quotedText(text, at);
        if (!value || !text.mid(at).trimmed().isEmpty())
            return std::nullopt;
        return MachineValue{MachineValue::kText, *value};
    }
    if (text.startsWith("dword:")) {
        const QByteArray digits = text.mid(6).trimmed();
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() != 8)
            return std::nullopt;
        QByteArray bytes;
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char((number >> shift) & 0xff);
        return MachineValue{MachineValue::kNumber, bytes};
    }
    if (text.startsWith("hex")) {
        const qsizetype colon = text.indexOf(':');
        if (colon < 0)
            return std::nullopt;
        int type = 3;
        const QByteArray kind = text.left(colon);
        if (kind != "hex") {
            bool ok = false;
            if (!kind.startsWith("hex(") || !kind.endsWith(')'))
                return std::nullopt;
            type = kind.mid(4, kind.size() - 5).toInt(&ok, 16);
            if (!ok)
                return std::nullopt;
        }
        const std::optional<QByteArray> bytes = hexBytes(text.mid(colon + 1));
        if (!bytes)
            return std::nullopt;
        return MachineValue{type, *bytes};
    }
    return std::nullopt;
}

} // namespace

QString machineSettingsPath()
{
    const QString fromEnvironment = qEnvironmentVariable(kMachineSettingsVariable);
    return fromEnvironment.isEmpty() ? QString::fromLatin1(kDefaultMachineSettingsPath) : fromEnvironment;
}

std::optional<MachineValue> readMachineValue(const QString& filePath, const QByteArray& key,
                                             const QByteArray& valueName)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool inKey = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            inKey = line.mid(1, line.size() - 2).compare(key, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inKey || !line.startsWith('"'))
            continue;
        qsizetype at = 0;
        const std::optional<QByteArray> name = quotedText(line, at);
        if (!name || name->compare(valueName, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray rest = line.mid(at).trimmed();
        if (rest.startsWith('='))
            return parseValue(rest.mid(1).trimmed());
    }
    return std::nullopt;
}

} // namespace platform
