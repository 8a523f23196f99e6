#include "TrafficCipher.h"

#include "common/Globals.h"
#include "common/Lexmara.h"

QByteArray requestOnWire(const QByteArray& text)
{
    return gEncryptTraffic ? gLexmara.StringEncrypt(text, QByteArray(kTrafficKey)) : text;
}

QByteArray loginOnWire(const QByteArray& userId, const QByteArray& userName, const QByteArray& password)
{
    const QByteArray login = "/Login/" + userId + ',' + userName + ',' + password;
    return gEncryptTraffic ? requestOnWire(login + ',') : login;
}

QByteArray logoutOnWire(const QByteArray& outsideAddress)
{
    const QByteArray logout = "DeleteConnection*/";
    return gEncryptTraffic ? requestOnWire(logout + outsideAddress) : logout;
}

QByteArray forgotPasswordOnWire(const QByteArray& userName, const QByteArray& restrictedPassword)
{
    return "/ForgotPassword\\" + userName + ',' + restrictedPassword;
}

QByteArray replyInClear(const QByteArray& chunk)
{
    return gEncryptTraffic ? gLexmara.StringDecrypt(chunk, QByteArray(kTrafficKey)) : chunk;
}
