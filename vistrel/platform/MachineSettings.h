#pragma once
// The machine-wide settings: values that the machine's administrator, not the user,
// sets (where the system information tool lies, for one). They stand in for the
// desktop registry's machine-wide keys and keep its key and value names, in one text
// file in the form of a registry export:
//
//   [SOFTWARE\Microsoft\Shared Tools\MSINFO]
//   "PATH"="/usr/bin/hardinfo"
//   "Count"=dword:00000400
//   "Data"=hex(3):01,02,ff
//
// A value is a quoted text (type 1, with \\ and \" for a backslash and a quote), a
// four-byte number "dword:" with eight hex digits (type 4), or bytes "hex(<type in
// hex>):" or "hex:" (type 3). Key and value names compare without regard to case.
// Lines starting with ";" or "#", blank lines and lines that are none of these are
// passed over.
#include <QByteArray>
#include <QString>

#include <optional>

namespace platform {

inline constexpr char kMachineSettingsVariable[] = "VISTREL_MACHINE_SETTINGS";
inline constexpr char kDefaultMachineSettingsPath[] = "/etc/vistrel/machine-settings.reg";

// The file: VISTREL_MACHINE_SETTINGS when set, else /etc/vistrel/machine-settings.reg.
QString machineSettingsPath();

struct MachineValue {
    static constexpr int kText = 1;
    static constexpr int kNumber = 4;

    int type = kText;
    QByteArray data; // a text without its end; a number as its four bytes, lowest first
};

// The value of the file's key, read afresh; nothing when the file, the key or the
// value is missing.
std::optional<MachineValue> readMachineValue(const QString& filePath, const QByteArray& key,
                                             const QByteArray& valueName);

} // namespace platform
