#include "frame/frmDebug.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

frmDebug::frmDebug()
{
    setWindowTitle(QStringLiteral("Debug"));
    auto* layout = new QVBoxLayout(this);
    Text1 = new QPlainTextEdit(this);
    Text1->setReadOnly(true);
    layout->addWidget(Text1);
}
