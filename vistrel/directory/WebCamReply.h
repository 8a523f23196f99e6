#pragma once
// A complete webcam reply of the reflector, "/WC/" through "/EndTran/", read into
// webcam records, and the node each record becomes under its place in the topic tree.
//
// The body runs from just after "/WC/" to "/EndTran/" (or the end of the reply). Its
// record lines are separated by CR LF; every line after the first begins with the LF of
// the pair before it. A line's fields are separated by commas, eight of them: marker,
// stream address, a reserved field, name, password flag, password, place, kind; a
// missing field is empty and nothing is trimmed. The records end at the first line
// whose first field is empty, a single LF, or begins with CR.
#include "directory/DirectoryModel.h"
#include "directory/WebCamRecord.h"

#include <QByteArray>

#include <vector>

// A reply holds at most this many record lines; later lines are not read.
inline constexpr int kWebCamReplyLines = DirectoryModel::kWebCamRows;

// The text between "/WC/" and "/EndTran/"; empty when there is no "/WC/".
QByteArray webCamReplyBody(const QByteArray& reply);

// The record lines of the reply in order, the marker without the line's leading LF.
// At most kWebCamReplyLines.
std::vector<WebCamRecord> webCamRecordsOf(const QByteArray& reply);

// The records whose place equals `placeText`, letter case aside, in reply order.
std::vector<WebCamRecord> webCamsAtPlace(const std::vector<WebCamRecord>& records, const QByteArray& placeText);

// How a record's kind field opens the webcam; compared exactly, so "realplay" or an
// unknown word is a transmitter camera.
enum class WebCamKind { RealPlay, MediaPlay, NoStream, IEStream, TransmitterCam };
WebCamKind webCamKindOf(const QByteArray& kind);

// The webcam's node text: the name, then " NoStream " for still pictures or
// " - Transmitter Cam " for a transmitter camera.
QByteArray webCamNodeText(const WebCamRecord& record);

// The node's picture: picture `imageNumber` of the main window's built-in image list,
// whose tag is also the picture's key in the tree's image list.
struct WebCamPicture {
    int imageNumber;
    QByteArray tag;
};
WebCamPicture webCamPicture(const QByteArray& kind);
