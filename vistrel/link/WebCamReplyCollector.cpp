#include "link/WebCamReplyCollector.h"

#include <algorithm>

namespace {

const QByteArray kStartTag = "/WC/";
const QByteArray kEndTag = "/EndTran/";

} // namespace

WebCamReplyCollector::Step WebCamReplyCollector::start(const QByteArray& chunk)
{
    if (chunk.size() > kCapacityBytes)
        return dropped();
    reply_ = chunk;
    collecting_ = true;
    bodyStart_ = chunk.indexOf(kStartTag) + kStartTag.size();
    return completedFrom(bodyStart_);
}

WebCamReplyCollector::Step WebCamReplyCollector::append(const QByteArray& chunk)
{
    if (!collecting_)
        return {};
    if (reply_.size() + chunk.size() > kCapacityBytes)
        return dropped();
    // The end tag may have begun in the chunks before this one.
    const qsizetype searchFrom = std::max(bodyStart_, reply_.size() - (kEndTag.size() - 1));
    reply_.append(chunk);
    return completedFrom(searchFrom);
}

WebCamReplyCollector::Step WebCamReplyCollector::dropped()
{
    reply_.clear();
    collecting_ = false;
    return {std::nullopt, true};
}

WebCamReplyCollector::Step WebCamReplyCollector::completedFrom(qsizetype searchFrom)
{
    if (reply_.indexOf(kEndTag, searchFrom) < 0)
        return {};
    collecting_ = false;
    return {reply_, false};
}
