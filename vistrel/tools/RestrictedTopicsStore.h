#pragma once
// The restricted topics and their password, kept enciphered under one fixed key in two
// files of the program's folder, each replaced atomically and created readable by its
// owner only:
// - vr.dat: one line per restricted topic, in the list's order;
// - rapc.dat: one line, the password (an empty line, an empty file or no file: no password).
// A line is the cipher text's raw bytes followed by CR LF. The cipher text can hold any
// byte from 1 to 255, and a CR or LF in it would split the line, so those two bytes (and
// NUL, the escape itself) are written as NUL followed by the byte with bit 6 flipped: CR
// as NUL 'M', LF as NUL 'J', NUL as NUL '@'. A cipher text without them is written
// exactly as it is; since no cipher text holds a NUL, every file written without the
// escape reads back unchanged.
#include "platform/TextFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The key both files are enciphered under; changing it makes every stored list and
// password unreadable.
inline constexpr char kRestrictedTopicsKey[] = "qhastu";

// The topics of vr.dat in the file's order, duplicates kept. Reading stops at the end of
// the file or at its first empty line; an entry that cannot be deciphered is left out.
// No file, or one that cannot be read, gives no topics.
QList<QByteArray> readRestrictedTopicsFile();

// Replaces vr.dat with one line per topic. A failed write (the string component failing
// included) keeps the old file and is reported.
platform::FileWriteResult writeRestrictedTopicsFile(const QList<QByteArray>& topics);

// The password of rapc.dat's first line; the empty text when there is no file or the
// line is empty. Nothing when the file exists but cannot be read or deciphered: the
// password in use then stays as it is.
std::optional<QByteArray> readRestrictedPasswordFile();

// The password that locks the restricted topics during the run, empty when none is set:
// read from rapc.dat when the options window loads, replaced by a stored change.
const QByteArray& restrictedPassword();
void setRestrictedPassword(const QByteArray& password);

// The message of a password that the cipher cannot bring back unchanged (code 255).
QString passwordNotStorableMessage();

// Replaces rapc.dat with the password as given; an empty one stores "no password". A
// password holding code 255 is refused (its description passwordNotStorableMessage())
// and nothing is written.
platform::FileWriteResult writeRestrictedPasswordFile(const QByteArray& password);

// The two changes that a failed write must not show in memory: each writes first and
// changes the caller's state only when the file is stored, so after a failure the
// password and the list in memory are still those on disk.

// Stores the typed password, blanks removed at both ends, and then makes it the password
// in use.
platform::FileWriteResult changeRestrictedPassword(const QByteArray& typedPassword, QByteArray& passwordInUse);

// Stores the topics without the one at `index` and then removes it from `topics`. An
// index of no entry (no entry selected) stores the list unchanged.
platform::FileWriteResult deleteRestrictedTopic(QList<QByteArray>& topics, qsizetype index);
