#include "ui/RefusedCharacter.h"

#include "platform/Dialogs.h"

#include <QLineEdit>

void refuseCharacter(QLineEdit& box, QChar refused, const QString& message)
{
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, refused, message](const QString& text) {
        if (!text.contains(refused))
            return;
        // Keep the cursor where it was, less the characters taken out before it.
        const int cursor = box.cursorPosition() - int(text.left(box.cursorPosition()).count(refused));
        QString kept = text;
        kept.remove(refused);
        box.setText(kept);
        box.setCursorPosition(cursor);
        platform::dialogs().messageBox(message, platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
    });
}
