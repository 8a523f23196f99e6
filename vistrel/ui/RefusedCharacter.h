#pragma once
// Keeps one character out of a text box that the user types or pastes into: the
// character is taken out again at once and a message says why. Used where a
// character could not be stored or read back (a double quote in a quoted record,
// the one code that the password cipher does not bring back).
#include <QChar>
#include <QString>

class QLineEdit;

void refuseCharacter(QLineEdit& box, QChar refused, const QString& message);
