#pragma once
// The handling of each chunk that arrives on the reflector socket, in clear. The
// early handling runs first, for every chunk; then the main handling, which looks for
// the reply tags in a fixed order (tags match exactly, letter case included):
//
//  "/Adver/" + address        the page opens in the browser 10 s later (the last one wins)
//  "/Multi Login/"            the user logged in elsewhere: a message, the logout, the end
//  "\LoadIP\" [addr] {addr}   new reflector addresses for ServerSettings.txt (next start)
//  "/SumReqNDF/", "/SumReqNDFText/", "/SumReqRet/", "/SumReqRetText/"
//                             the webcam locator's results, into the locator window
//  "/Count/," + number        the webcams on line, into main status panel 2
//  "/Login Failed/", "/Login Successful/," + ID + "\"
//                             the login's outcome (a rejection runs the Disconnect command)
//  "/PasswordUpdated/," + password, "/PasswordUpdatedFailed/"
//                             the password change's outcome
//  "/NDF/"                    no webcams at the queried place; the third in a row offers
//                             the locator in a "Helpful Hint" box
//  "/IP/" + address           the client's outside address
//  "/WC/" ... "/EndTran/"     a webcam reply, in one chunk or several, handed to
//                             LoadWebCams once it is complete
//
// A reply never erases a stored value with an empty or missing one, and CR and LF are
// removed from every value before it is kept. A user ID or password that
// UserSettings.txt could not hold and give back is not taken at all (the log says so),
// so that saving the settings keeps working.
#include <QByteArray>

void ParseReplyEarly(const QByteArray& chunk);
void ParseReply(const QByteArray& chunk);
