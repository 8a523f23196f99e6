#include "link/TrafficCipher.h"

#include "common/Lexmara.h"
#include "platform/RuntimeError.h"

namespace {

// The string component raises its failures; here they become the result's.
template <typename Cipher>
TrafficText throughComponent(Cipher cipher)
{
    try {
        return {cipher(), 0, {}};
    } catch (const platform::RuntimeError& error) {
        return {{}, error.number(), error.description()};
    }
}

TrafficText enciphered(const QByteArray& text)
{
    return throughComponent([&] { return gLexmara.StringEncrypt(text, QByteArray(kTrafficKey)); });
}

TrafficText asItIs(const QByteArray& text)
{
    return {text, 0, {}};
}

} // namespace

TrafficText requestOnWire(bool encipher, const QByteArray& text)
{
    return encipher ? enciphered(text) : asItIs(text);
}

TrafficText loginOnWire(bool encipher, const QByteArray& userId, const QByteArray& userName, const QByteArray& password)
{
    const QByteArray login = "/Login/" + userId + ',' + userName + ',' + password;
    return encipher ? enciphered(login + ',') : asItIs(login);
}

TrafficText logoutOnWire(bool encipher, const QByteArray& outsideAddress)
{
    const QByteArray logout = "DeleteConnection*/";
    return encipher ? enciphered(logout + outsideAddress) : asItIs(logout);
}

TrafficText replyInClear(bool decipher, const QByteArray& chunk)
{
    if (!decipher)
        return asItIs(chunk);
    return throughComponent([&] { return gLexmara.StringDecrypt(chunk, QByteArray(kTrafficKey)); });
}
