#pragma once
// The reflector port as the connections use it: the text of the server settings'
// port box read as a 32-bit integer. A text that is not a number (the empty text
// included) gives no port and the run-time error 13 "Type mismatch"; a number beyond
// the 32-bit range gives 6 "Overflow". Whether the number is a usable port is for the
// socket to say.
#include <QString>

#include <optional>

class ReflectorSettings;

struct PortNumber {
    std::optional<int> value;
    // Why there is no value: the error's number and description, which the login and
    // the logout show.
    int errorNumber = 0;
    QString errorDescription;
};

PortNumber portNumberFromText(const QString& text);
// The port as the settings give it (the server settings' port box), converted as above.
PortNumber reflectorPort(const ReflectorSettings& settings);
