#pragma once
// Reads a settings file of the program's folder line by line: each line holds one
// value, read the way the files were always read back (ListInputReader). Taking only
// the first value of each line means that a value with a comma, or a damaged line,
// never pushes the values of the later lines into the wrong place.
#include <QByteArray>
#include <QList>
#include <QString>

// The first value of each of the first lineCount lines of the file; a line that the
// file lacks gives the empty text, and so does every line of a file that cannot be read.
QList<QByteArray> readFirstValueOfLines(const QString& path, int lineCount);
