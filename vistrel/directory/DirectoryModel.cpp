#include "directory/DirectoryModel.h"

#include <algorithm>

DirectoryModel::DirectoryModel() : webCamRows_(kWebCamRows)
{
}

void DirectoryModel::storeWebCamRows(const std::vector<WebCamRecord>& records)
{
    const auto count = std::min<size_t>(records.size(), kWebCamRows);
    std::copy_n(records.begin(), count, webCamRows_.begin());
}

bool DirectoryModel::addTopic(const QByteArray& text)
{
    if (topics_.size() >= kTopicLimit)
        return false;
    topics_.append(text);
    return true;
}
