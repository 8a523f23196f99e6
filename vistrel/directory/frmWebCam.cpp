#include "directory/frmWebCam.h"

#include <QLineEdit>

frmWebCam::frmWebCam() : txtURL(new QLineEdit(this)) {}

void frmWebCam::Command1_Click() {}

void frmWebCam::loadAnimatedPicture(const QString&) {}
