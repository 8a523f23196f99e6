#include "link/frmSendtoDBServer.h"

#include <QLineEdit>

frmSendtoDBServer::frmSendtoDBServer()
    : txtSendtoDBServer(new QLineEdit(this))
{
    // A request is one text of any length; the box must not cut it.
    txtSendtoDBServer->setMaxLength(std::numeric_limits<int>::max());
}
