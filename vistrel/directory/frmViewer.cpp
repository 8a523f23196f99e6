#include "directory/frmViewer.h"

#include "directory/MainVODA.h"
#include "ui/Forms.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmViewer::frmViewer()
{
    setWindowTitle(QStringLiteral("Viewer"));
    auto* layout = new QVBoxLayout(this);
    Text1 = new QLineEdit(this);
    Command1 = new QPushButton(QStringLiteral("Play"), this);
    layout->addWidget(Text1);
    layout->addWidget(Command1);
    connect(Command1, &QPushButton::clicked, this, &frmViewer::Command1_Click);
}

void frmViewer::Command1_Click()
{
    ui::form<MainVODA>().Command1_Click();
}
