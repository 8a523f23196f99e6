#include "tools/frmProgramOptions.h"

#include "ui/Gradient.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLineEdit* passwordBox(QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setEchoMode(QLineEdit::Password);
    box->setEnabled(false);
    return box;
}

} // namespace

frmProgramOptions::frmProgramOptions()
{
    setWindowTitle(QStringLiteral("Program Options"));
    auto* layout = new QVBoxLayout(this);
    Check1 = new QCheckBox(QStringLiteral("Do not Load Icons"), this);
    layout->addWidget(Check1);

    auto* restricted = new QGroupBox(QStringLiteral("Restricted Topics"), this);
    auto* boxes = new QFormLayout(restricted);
    Text1 = passwordBox(restricted);
    Text2 = passwordBox(restricted);
    Text3 = passwordBox(restricted);
    boxes->addRow(QStringLiteral("Original Password:"), Text1);
    boxes->addRow(QStringLiteral("Change Password:"), Text2);
    boxes->addRow(QStringLiteral("Confirm Password:"), Text3);
    layout->addWidget(restricted);
}

bool frmProgramOptions::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        paintWindowGradient(*this);
    return QWidget::event(event);
}
