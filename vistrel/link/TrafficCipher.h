#pragma once
// The forms in which texts travel to and from the reflector. While the session's
// state has the traffic cipher on (read afresh for each request and each chunk), the
// whole request goes out enciphered under the traffic key and each received chunk is
// deciphered under the same key; otherwise both travel as they are.
//
// Two requests differ in their enciphered form: the login carries one comma more at
// its end, and the logout carries the client's outside address. The forgot-password
// request always goes out as it is.
#include <QByteArray>

inline constexpr char kTrafficKey[] = "Quorvantel";

// Any request whose enciphered form is its plain text enciphered.
QByteArray requestOnWire(const QByteArray& text);
// "/Login/" + user ID + "," + user name + "," + password.
QByteArray loginOnWire(const QByteArray& userId, const QByteArray& userName, const QByteArray& password);
// "DeleteConnection*/", plus the outside address when enciphered.
QByteArray logoutOnWire(const QByteArray& outsideAddress);
// "/ForgotPassword\" + user name + "," + the restricted topics' password, never enciphered.
QByteArray forgotPasswordOnWire(const QByteArray& userName, const QByteArray& restrictedPassword);

// A received chunk in clear.
QByteArray replyInClear(const QByteArray& chunk);
