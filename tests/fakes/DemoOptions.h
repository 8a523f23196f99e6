#pragma once
// The command line of the demo fakes: "--name value" options.
#include <QStringList>

#include <optional>

// The port given as "--name <port>" (0 to 65535); def when the option is absent,
// nothing when its value is not a port.
std::optional<quint16> portOption(const QStringList& arguments, const QString& name, quint16 def);

// The text given as "--name <text>"; empty when the option is absent.
QString textOption(const QStringList& arguments, const QString& name);
