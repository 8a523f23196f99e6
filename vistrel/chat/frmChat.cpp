#include "chat/frmChat.h"

#include "ui/Gradient.h"

#include <QFormLayout>
#include <QLineEdit>

frmChat::frmChat()
{
    setWindowTitle(QStringLiteral("Larkspire Support Chat"));
    auto* layout = new QFormLayout(this);
    txtChatIP = new QLineEdit(this);
    layout->addRow(QStringLiteral("Support Server:"), txtChatIP);
}

void frmChat::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    paintWindowGradient(*this);
}
