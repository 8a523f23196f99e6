#include "frame/DebugLog.h"

#include "ui/ObjectNames.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

DebugLog::DebugLog()
{
    setWindowTitle(QStringLiteral("Debug"));
    auto* layout = new QVBoxLayout(this);
    logView = new QPlainTextEdit(this);
    logView->setReadOnly(true);
    layout->addWidget(logView);

    ui::giveObjectNames({
        {logView, "Text1"},
    });
}
