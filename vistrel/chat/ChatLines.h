#pragma once
// The texts of the chat as they go on the wire and into the transcript.
#include <QByteArray>

class QPlainTextEdit;

namespace chat {

// A line the user sends: "<user> Says > <text>" CR LF.
QByteArray userLine(const QByteArray& userName, const QByteArray& text);
// Its echo in the transcript: " You Say > <text>" CR LF.
QByteArray echoLine(const QByteArray& text);
// Chat text from the support side, as received: "<support name> Says > <chunk>".
QByteArray supportLine(const QByteArray& supportName, const QByteArray& chunk);
// The offline message: name//user ID//e-mail//message CR LF, the texts as they stand.
QByteArray offlineMessage(const QByteArray& name, const QByteArray& userId, const QByteArray& eMail,
                          const QByteArray& message);

// A text box of the chat that text is only appended to: the transcript, and the
// offline message box that the support host answers into. Text is shown as plain
// text, never as markup, each CR LF as a line end. What comes from the network goes
// on without end, so what the box holds is bounded twice: a line keeps its first
// kLongestLine bytes and loses the rest up to its line end (CR or LF), and once the
// box holds more than kCapacity bytes the older half goes. Each append costs time in
// proportion to the text appended, however long the line it continues.
class AppendedText {
public:
    static constexpr qsizetype kCapacity = 256 * 1024;
    static constexpr qsizetype kLongestLine = 8 * 1024;

    explicit AppendedText(QPlainTextEdit& box) : box_(box) {}

    // Appends the program's 8-bit text and puts the caret at the end. True when a line
    // began to lose bytes in this append (once for each overlong line).
    bool append(const QByteArray& text);
    // The bytes the box shows, as they were appended.
    const QByteArray& text() const { return text_; }

private:
    QPlainTextEdit& box_;
    QByteArray text_;
    qsizetype lineLength_ = 0; // bytes of the last line so far, kept or not
};

} // namespace chat
