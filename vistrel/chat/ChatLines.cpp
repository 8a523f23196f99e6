#include "chat/ChatLines.h"

#include "platform/Codec.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace chat {

namespace {

constexpr char kLineEnd[] = "\r\n";

} // namespace

QByteArray userLine(const QByteArray& userName, const QByteArray& text)
{
    return userName + " Says > " + text + kLineEnd;
}

QByteArray echoLine(const QByteArray& text)
{
    return " You Say > " + text + kLineEnd;
}

QByteArray supportLine(const QByteArray& supportName, const QByteArray& chunk)
{
    return supportName + " Says > " + chunk;
}

QByteArray offlineMessage(const QByteArray& name, const QByteArray& userId, const QByteArray& eMail,
                          const QByteArray& message)
{
    return name + "//" + userId + "//" + eMail + "//" + message + kLineEnd;
}

namespace {

QString shownText(const QByteArray& text)
{
    QByteArray lines = text;
    lines.replace("\r\n", "\n").replace('\r', '\n');
    return platform::fromCp1252(lines);
}

} // namespace

void AppendedText::append(const QByteArray& text)
{
    text_ += text;
    if (text_.size() > kCapacity) {
        text_.remove(0, text_.size() - kCapacity / 2);
        box_.setPlainText(shownText(text_));
    } else {
        QTextCursor end(box_.document());
        end.movePosition(QTextCursor::End);
        end.insertText(shownText(text));
    }
    box_.moveCursor(QTextCursor::End);
}

} // namespace chat
