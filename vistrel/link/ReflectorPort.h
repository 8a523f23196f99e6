#pragma once
// The reflector port as the connections use it: the text of the server settings'
// port box read as a 32-bit integer. A text that is not a number (the empty text
// included) raises platform::RuntimeError 13 "Type mismatch"; a number beyond the
// 32-bit range raises 6 "Overflow". Whether the number is a usable port is for the
// socket to say.
#include <QString>

int portNumberFromText(const QString& text);
// The port as the session's settings give it (the server settings' port box),
// converted as above.
int reflectorPort();
