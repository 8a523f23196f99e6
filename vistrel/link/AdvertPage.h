#pragma once
// The page that the reflector's last advert reply named. It opens in the
// user's browser 10 s after the reply, when the advert timer ticks; only an http or
// https address is opened, as one address, never as options to a program.
#include <QByteArray>

inline constexpr int kAdvertDelayMs = 10000;

// Opens the address in the browser when it is a web page; anything else is ignored.
void openAdvertisedPage(const QByteArray& address);
