#pragma once
// Limits how many characters the user can type or paste into a text box, without
// cutting a longer text that the program itself puts there: a value read from a file
// or confirmed by the reflector is kept whole, so saving it again loses nothing.
// (A box's own maximum length would also cut the program's texts.)
class QLineEdit;

void limitTypedLength(QLineEdit& box, int maxLength);
