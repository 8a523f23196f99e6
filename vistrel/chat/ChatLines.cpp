#include "chat/ChatLines.h"

#include "platform/Codec.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

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

bool AppendedText::append(const QByteArray& text)
{
    // One pass over the text: each line's bytes past kLongestLine are left out.
    QByteArray kept;
    kept.reserve(std::min(text.size(), kCapacity));
    bool cutStarted = false;
    qsizetype at = 0;
    while (at < text.size()) {
        qsizetype lineEnd = at;
        while (lineEnd < text.size() && text[lineEnd] != '\r' && text[lineEnd] != '\n')
            ++lineEnd;
        const qsizetype piece = lineEnd - at;
        const qsizetype room = std::max<qsizetype>(0, kLongestLine - lineLength_);
        if (piece > room && lineLength_ <= kLongestLine)
            cutStarted = true;
        kept.append(text.constData() + at, std::min(piece, room));
        lineLength_ = std::min(lineLength_ + piece, kLongestLine + 1);
        if (lineEnd < text.size()) {
            kept.append(text[lineEnd]);
            lineLength_ = 0;
            ++lineEnd;
        }
        at = lineEnd;
    }
    if (kept.isEmpty())
        return cutStarted;
    text_ += kept;
    if (text_.size() > kCapacity) {
        text_.remove(0, text_.size() - kCapacity / 2);
        box_.setPlainText(shownText(text_));
    } else {
        QTextCursor end(box_.document());
        end.movePosition(QTextCursor::End);
        end.insertText(shownText(kept));
    }
    box_.moveCursor(QTextCursor::End);
    return cutStarted;
}

} // namespace chat
