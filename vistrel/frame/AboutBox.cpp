#include "frame/AboutBox.h"

#include "common/ProgramVersion.h"
#include "platform/Dialogs.h"
#include "platform/Launcher.h"
#include "platform/MachineSettings.h"
#include "platform/Twips.h"
#include "ui/ImageList.h"
#include "ui/ObjectNames.h"
#include "ui/OwnedWindow.h"
#include "ui/ToolbarGiveBack.h"
#include "ui/TreePictures.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using platform::twips;

namespace {

constexpr int kToolbarButton = 15; // "About"
constexpr ui::ToolbarEntry kToolbarActiveEntry = ui::ToolbarEntry::About;
constexpr int kWidthTwips = 5730;
constexpr int kHeightTwips = 4185;

const QByteArray kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kToolValue = "PATH";
const QByteArray kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QByteArray kToolFolderValue = "MSINFO";
const QString kToolFile = QStringLiteral("/MSINFO32.EXE");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

// The size a value takes in the buffer: a text with its terminating NUL.
qsizetype storedSize(const platform::MachineValue& value)
{
    return value.type == platform::MachineValue::kText ? value.data.size() + 1 : value.data.size();
}

QFrame* dividingLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// The tool's path from the machine-wide settings; empty when they name none.
QString systemInfoToolPath()
{
    const QString settings = platform::machineSettingsPath();
    QByteArray value;
    if (AboutBox::readKeyValue(settings, kToolKey, kToolValue, value))
        return QFile::decodeName(value);
    if (AboutBox::readKeyValue(settings, kToolFolderKey, kToolFolderValue, value)) {
        const QString tool = QFile::decodeName(value) + kToolFile;
        if (QFile::exists(tool))
            return tool;
    }
    return {};
}

} // namespace

AboutBox::AboutBox()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    titleLabel_ = new QLabel(this);
    versionLabel_ = new QLabel(this);
    moduleLabel_ = new QLabel(this);
    descriptionLabel_ =
        new QLabel(QStringLiteral("Live webcams from around the world, from the reflector's directory."), this);
    disclaimerLabel_ = new QLabel(QStringLiteral("This program is provided as it is, without warranty of any kind. "
                                                 "Every webcam belongs to its owner, who alone decides what it shows."),
                                  this);
    // Both texts run longer than the box is wide: they wrap rather than lose their ends.
    descriptionLabel_->setWordWrap(true);
    disclaimerLabel_->setWordWrap(true);
    programPicture_ = new QLabel(this);
    ImageList pictures({32, 32});
    addBuiltInPictures(pictures);
    programPicture_->setPixmap(pictures.picture(pictures.indexOfKey("VideoLink")));
    systemInfoButton_ = new QPushButton(QStringLiteral("&System Info..."), this);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    ui::giveObjectNames({{titleLabel_, "lblTitle"},
                         {versionLabel_, "lblVersion"},
                         {moduleLabel_, "lblModule"},
                         {descriptionLabel_, "lblDescription"},
                         {disclaimerLabel_, "lblDisclaimer"},
                         {programPicture_, "Image1"},
                         {systemInfoButton_, "cmdSysInfo"},
                         {okButton_, "cmdOK"}});

    auto* layout = new QGridLayout(this);
    layout->addWidget(programPicture_, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(titleLabel_, 0, 1, 1, 2);
    layout->addWidget(versionLabel_, 1, 1, 1, 2);
    layout->addWidget(descriptionLabel_, 2, 1, 1, 2);
    layout->addWidget(dividingLine(this), 3, 0, 1, 3);
    layout->addWidget(moduleLabel_, 4, 0, 1, 3);
    layout->addWidget(dividingLine(this), 5, 0, 1, 3);
    layout->addWidget(disclaimerLabel_, 6, 0, 2, 2);
    layout->addWidget(okButton_, 6, 2);
    layout->addWidget(systemInfoButton_, 7, 2);

    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(systemInfoButton_, &QPushButton::clicked, this, &AboutBox::startSystemInfoTool);
}

void AboutBox::load()
{
    setWindowTitle(QStringLiteral("About ") + QString::fromLatin1(kProgramTitle));
    versionLabel_->setText(QStringLiteral("Version ") + programVersionText());
    titleLabel_->setText(QString::fromLatin1(kProgramTitle));
    moduleLabel_->setText(QStringLiteral("Modules Loaded = "));
    setFixedSize(twips(kWidthTwips), twips(kHeightTwips));
}

void AboutBox::startSystemInfoTool()
{
    // The tool runs on its own; nothing waits for it.
    const QString tool = systemInfoToolPath();
    if (tool.isEmpty() || !platform::launcher().startProgram(tool, {}).started)
        platform::dialogs().messageBox(kUnavailable);
}

bool AboutBox::readKeyValue(const QString& rootFile, const QByteArray& keyName, const QByteArray& valueName,
                            QByteArray& value)
{
    value.clear();
    const std::optional<platform::MachineValue> stored = platform::readMachineValue(rootFile, keyName, valueName);
    if (!stored || storedSize(*stored) > kValueBufferBytes)
        return false;
    switch (stored->type) {
    case platform::MachineValue::kText: value = stored->data; return true;
    case platform::MachineValue::kNumber:
        value = "&h";
        for (qsizetype i = stored->data.size() - 1; i >= 0; --i)
            value += QByteArray(1, stored->data[i]).toHex().toUpper();
        return true;
    default: return false;
    }
}

// Closing, by OK or by the close box, gives the About button back.
void AboutBox::closeEvent(QCloseEvent* event)
{
    giveBackToolbarButton(kToolbarButton, kToolbarActiveEntry);
    QWidget::closeEvent(event);
}

void showAboutBox(AboutBox& box, QWidget& frame)
{
    ui::showInFrontOf(box, frame);
    box.activateWindow();
}
