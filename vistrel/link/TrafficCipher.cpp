#include "TrafficCipher.h"

#include "common/Lexmara.h"
#include "link/ReflectorSession.h"

QByteArray requestOnWire(const QByteArray& text)
{
    return reflectorSession().state().encryptTraffic ? gLexmara.StringEncrypt(text, QByteArray(kTrafficKey)) : text;
}

QByteArray loginOnWire(const QByteArray& userId, const QByteArray& userName, const QByteArray& password)
{
    const QByteArray login = "/Login/" + userId + ',' + userName + ',' + password;
    return reflectorSession().state().encryptTraffic ? requestOnWire(login + ',') : login;
}

QByteArray logoutOnWire(const QByteArray& outsideAddress)
{
    const QByteArray logout = "DeleteConnection*/";
    return reflectorSession().state().encryptTraffic ? requestOnWire(logout + outsideAddress) : logout;
}

QByteArray forgotPasswordOnWire(const QByteArray& userName, const QByteArray& restrictedPassword)
{
    return "/ForgotPassword\\" + userName + ',' + restrictedPassword;
}

QByteArray replyInClear(const QByteArray& chunk)
{
    return reflectorSession().state().encryptTraffic ? gLexmara.StringDecrypt(chunk, QByteArray(kTrafficKey)) : chunk;
}
