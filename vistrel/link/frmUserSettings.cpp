#include "frmUserSettings.h"

frmUserSettings::frmUserSettings()
    : txtUserName(new QLineEdit(this)), txtUserID(new QLineEdit(this)), txtPassword(new QLineEdit(this)),
      txtIPAddress(new QLineEdit(this)), lblWarning(new QLabel(this)), cmdRetry(new QPushButton(this))
{
    lblWarning->hide();
    cmdRetry->hide();
}
