#include "frame/DebugLog.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

DebugLog::DebugLog()
{
    setWindowTitle(QStringLiteral("Debug"));
    auto* layout = new QVBoxLayout(this);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    layout->addWidget(Text1);
}
