#pragma once
// The file operations a safe replacement is made of, behind one interface so tests
// can make any one of them fail. Each returns an empty text on success and a
// description of the failure otherwise.
#include <QString>
#include <QtGlobal>

namespace updater {

class FileSteps {
public:
    virtual ~FileSteps() = default;

    // Copies source, flushed to disk, into a new file in the folder of destination
    // (a hidden name derived from destination's) and gives back the new file's path.
    // A failed copy leaves no file behind.
    virtual QString copyToTemporary(const QString& source, const QString& destination, QString& temporary);
    virtual QString fileSize(const QString& path, qint64& size);
    // The permission bits (rwx for user, group and others).
    virtual QString fileMode(const QString& path, unsigned& mode);
    virtual QString setMode(const QString& path, unsigned mode);
    // Puts from in the place of to in one step: to is either the old file or the new one.
    virtual QString renameOver(const QString& from, const QString& to);
    virtual void remove(const QString& path);
};

} // namespace updater
