#pragma once
// UserSettings.txt in the program's folder: three double-quoted records, one a line:
// the user name, the user ID and the password. The password is kept enciphered under
// a fixed key and written as the decimal codes of the cipher text joined by single
// blanks ("12 200 7"), so the file holds no password in clear and no byte that could
// break the record. The file is readable by its owner only.
#include "platform/TextFiles.h"

#include <QByteArray>

struct UserSettingsRecord {
    QByteArray userName;
    QByteArray userId;
    QByteArray password; // in clear
};

// The file's values as read, the password still in its stored form.
struct StoredUserSettings {
    QByteArray userName;
    QByteArray userId;
    QByteArray passwordCodes;
};

// A user name or user ID fits its record: a double quote would end the value early
// and a line break the record.
bool fitsInRecord(const QByteArray& value);
// The password comes back from the file as it was saved: the cipher does not bring
// code 255 back (it would return as another code and lock the user out).
bool passwordRestorable(const QByteArray& password);

// The cipher calls throw platform::RuntimeError when the string component fails.

// The stored form of a password: its cipher text's codes ("" for no password).
QByteArray passwordCodeList(const QByteArray& password);
// The password back from its stored form. The list ends at its first empty item, or
// at the first item that is not a code from 0 to 255, so a damaged list gives a
// shorter password instead of a failure.
QByteArray passwordFromCodeList(const QByteArray& codeList);

// Replaces the file with the record (atomically: a failed write keeps the old file).
platform::FileWriteResult writeUserSettingsFile(const UserSettingsRecord& record);

// The values as the file holds them: the first value of lines 1 to 3. A missing file
// or line gives empty texts.
StoredUserSettings readUserSettingsFile();
