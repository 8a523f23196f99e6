#pragma once
// Reading and writing the program's text files, byte for byte (no codec).
//
// Files are written in two forms: raw lines (each value followed by CR LF)
// and records (each value in double quotes, the values of a record separated
// by commas, the record followed by CR LF). A double quote inside a value is
// written as it is, since the files' readers know no escape for it. Both are
// read back with ListInputReader.
//
// Every write replaces the file atomically: a write that fails leaves the old
// file as it was, and the failure is reported.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

enum class FileAccess {
    Default,   // the permissions of the file replaced, or the usual ones for a new file
    OwnerOnly, // readable and writable by the owner only (files that hold a password)
};

struct FileWriteResult {
    bool ok = true;
    int errorNumber = 0; // 75 path/file access error, 76 path not found, 61 disk full, 57 device I/O error
    QString errorDescription;

    explicit operator bool() const { return ok; }
};

FileWriteResult writeFileAtomically(const QString& path, const QByteArray& content,
                                    FileAccess access = FileAccess::Default);

// Each line, then CR LF. No lines give an empty file.
FileWriteResult writeRawLines(const QString& path, const QList<QByteArray>& lines,
                              FileAccess access = FileAccess::Default);

// Each record as "value","value" then CR LF.
FileWriteResult writeRecords(const QString& path, const QList<QList<QByteArray>>& records,
                             FileAccess access = FileAccess::Default);

// The whole file, or nothing when it cannot be read.
std::optional<QByteArray> readFile(const QString& path);

} // namespace platform
