#include "link/ReplyReader.h"

#include "link/ReplyFields.h"
#include "platform/Codec.h"

namespace {

using Kind = Reply::Kind;

// More than this many bytes of node data count as data retrieved.
constexpr qsizetype kShortNodeDataBytes = 10;

// The user ID that the reflector confirmed: between "," and "\" after the tag, with
// its line breaks, so that an ID the settings file cannot hold is seen as such.
QByteArray confirmedUserIdOf(const QByteArray& chunk)
{
    return platform::trimBlanks(pluckBetween(fromTag(chunk, "/Login Successful/"), ",", "\\"));
}

QByteArray outsideAddressOf(const QByteArray& chunk)
{
    return cleanValue(afterTag(chunk, "/IP/"));
}

Reply serverAddressesOf(const QByteArray& chunk)
{
    const QByteArray text = fromTag(chunk, "\\LoadIP\\");
    return {Kind::ServerAddresses, cleanValue(pluckBetween(text, "[", "]")), cleanValue(pluckBetween(text, "{", "}"))};
}

} // namespace

QList<Reply> ReplyReader::read(const QByteArray& chunk)
{
    QList<Reply> replies;
    if (chunk.isEmpty())
        return replies;
    readEarly(chunk, replies);

    if (chunk.contains("/Adver/")) {
        replies.append({Kind::Advert, cleanValue(afterTag(chunk, "/Adver/"))});
        return replies;
    }
    if (chunk.contains("/Multi Login/")) {
        replies.append({Kind::MultiLogin});
        return replies;
    }
    if (chunk.contains("\\LoadIP\\"))
        replies.append(serverAddressesOf(chunk));
    if (chunk.contains("/SumReqNDF/"))
        replies.append({Kind::LocatorNoTopicResult});
    if (chunk.contains("/SumReqNDFText/"))
        replies.append({Kind::LocatorNoSearchResult});
    if (chunk.contains("/SumReqRet/")) {
        replies.append({Kind::LocatorTopicResult, {}, {}, topicResultOf(chunk)});
        return replies;
    }
    if (chunk.contains("/SumReqRetText/")) {
        replies.append({Kind::LocatorSearchResult, {}, {}, searchResultOf(chunk)});
        return replies;
    }
    if (chunk.contains("/Count/")) {
        replies.append({Kind::WebCamsOnLine, cleanValue(delimitedField(fromTag(chunk, "/Count/"), 2, ","))});
        return replies;
    }

    replies.append({Kind::ReflectorAnswered});
    if (chunk.contains("/Login Failed/")) {
        replies.append({Kind::LoginRejected});
        return replies;
    }
    if (chunk.contains("/Login Successful/")) {
        replies.append({Kind::LoginAccepted, confirmedUserIdOf(chunk)});
        return replies;
    }
    if (chunk.contains("/PasswordUpdated/")) {
        replies.append(
            {Kind::PasswordUpdated, withoutLineBreaks(delimitedField(fromTag(chunk, "/PasswordUpdated/"), 2, ","))});
        return replies;
    }
    if (chunk.contains("/PasswordUpdatedFailed/")) {
        replies.append({Kind::PasswordNotUpdated});
        return replies;
    }

    replies.append({Kind::NodeData});
    if (chunk.size() > kShortNodeDataBytes)
        replies.append({Kind::DataRetrieved});
    if (chunk.contains("/NDF/")) {
        replies.append({Kind::NoData});
        return replies;
    }
    readNodeData(chunk, replies);
    return replies;
}

void ReplyReader::readEarly(const QByteArray& chunk, QList<Reply>& replies) const
{
    if (chunk.contains("/Login Successful/"))
        replies.append({Kind::EarlyLoginAccepted, confirmedUserIdOf(chunk)});
    else if (chunk.contains("/NDF/"))
        replies.append({Kind::EarlyNoData});
    else if (chunk.contains("/IP/"))
        replies.append({Kind::EarlyOutsideAddress, outsideAddressOf(chunk)});
}

// Node data: the client's outside address, or a webcam reply or a piece of one.
void ReplyReader::readNodeData(const QByteArray& chunk, QList<Reply>& replies)
{
    const bool holdsAddress = chunk.contains("/IP/");
    if (holdsAddress)
        replies.append({Kind::OutsideAddress, outsideAddressOf(chunk)});
    WebCamReplyCollector::Step step;
    if (chunk.contains("/WC/")) {
        replies.append({Kind::WebCamsFound});
        step = webCamReply_.start(chunk);
    } else if (!holdsAddress) {
        step = webCamReply_.append(chunk);
    }
    if (step.dropped)
        replies.append({Kind::WebCamReplyDropped});
    if (step.complete)
        replies.append({Kind::WebCamReply, *step.complete});
    replies.append({Kind::NodeDataEnd});
}
