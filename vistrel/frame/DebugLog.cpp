#include "frame/DebugLog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

DebugLog::DebugLog()
{
    setWindowTitle(QStringLiteral("Debug"));
    auto* layout = new QVBoxLayout(this);
    logView = new QPlainTextEdit(this);
    logView->setObjectName(QStringLiteral("Text1"));
    logView->setReadOnly(true);
    layout->addWidget(logView);
}
