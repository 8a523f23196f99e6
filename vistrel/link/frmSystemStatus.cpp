#include "frmSystemStatus.h"

frmSystemStatus::frmSystemStatus()
    : txtStatus(new QPlainTextEdit(this)), lblDBServerIPAddr(new QLabel(this)), imgSegment2SendData(new QLabel(this))
{
}
