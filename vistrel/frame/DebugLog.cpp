#include "frame/DebugLog.h"

#include "platform/Codec.h"
#include "ui/ObjectNames.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

DebugLog::DebugLog()
{
    setWindowTitle(QStringLiteral("Debug"));
    auto* layout = new QVBoxLayout(this);
    logView_ = new QPlainTextEdit(this);
    logView_->setReadOnly(true);
    layout->addWidget(logView_);

    ui::giveObjectNames({
        {logView_, "Text1"},
    });
}

void DebugLog::append(const QByteArray& text)
{
    logView_->moveCursor(QTextCursor::End);
    logView_->insertPlainText(platform::fromCp1252(text));
}
