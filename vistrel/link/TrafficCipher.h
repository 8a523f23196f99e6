#pragma once
// The forms in which texts travel to and from the reflector. With the traffic cipher
// on (the caller passes the session state's switch, read afresh for each request and
// each chunk), the whole request goes out enciphered under the traffic key and each
// received chunk is deciphered under the same key; otherwise both travel as they are.
//
// Two requests differ in their enciphered form: the login carries one comma more at
// its end, and the logout carries the client's outside address. The forgot-password
// request always goes out as it is.
//
// The string component does the ciphering. When it fails (it cannot be created, for
// one), the result carries its error number and description instead of a text.
#include <QByteArray>
#include <QString>

inline constexpr char kTrafficKey[] = "Quorvantel";

// A text in the form it travels in, or the string component's failure to put it there.
struct TrafficText {
    QByteArray text;
    int errorNumber = 0; // 0: text holds the result
    QString errorDescription;
    bool ok() const { return errorNumber == 0; }
};

// Any request whose enciphered form is its plain text enciphered.
TrafficText requestOnWire(bool encipher, const QByteArray& text);
// "/Login/" + user ID + "," + user name + "," + password.
TrafficText loginOnWire(bool encipher, const QByteArray& userId, const QByteArray& userName,
                        const QByteArray& password);
// "DeleteConnection*/", plus the outside address when enciphered.
TrafficText logoutOnWire(bool encipher, const QByteArray& outsideAddress);

// A received chunk in clear.
TrafficText replyInClear(bool decipher, const QByteArray& chunk);
