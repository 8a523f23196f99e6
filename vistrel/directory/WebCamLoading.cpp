#include "directory/WebCamLoading.h"

#include "common/SeenRepliesCache.h"
#include "directory/DirectoryModel.h"
#include "directory/MainWindow.h"
#include "directory/TreeNodes.h"
#include "directory/WebCamReply.h"
#include "platform/RuntimeError.h"
#include "ui/ImageList.h"
#include "ui/PanelStatusBar.h"

#include <QProgressBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QByteArray kLoadingStatus = "Loading Webcams into Tree View...!!!";

// Hangs the webcams of one reply under their place node. A webcam node's key is the
// place's text; when a node has that key already, the key gets a blank and the next
// number of a count that runs through the whole reply, until it is free. A webcam
// whose key is taken and whose stream address is the Tag of the node added last
// repeats the webcam before it and gets no node.
class WebCamHanger {
public:
    WebCamHanger(TreeNodes& nodes, TreeNode& place, const ImageList& localPictures, const ImageList* treePictures)
        : nodes_(nodes), place_(place), localPictures_(localPictures), treePictures_(treePictures)
    {
    }

    // True when the webcam got a node.
    bool hang(const WebCamRecord& webCam)
    {
        QByteArray key = place_.nodeText();
        while (nodes_.byKey(key)) {
            const TreeNode* last = nodes_.lastAdded();
            if (last && last->Tag == webCam.streamAddress)
                return false;
            key += ' ' + QByteArray::number(++collisions_);
        }
        const QByteArray pictureKey = localPictures_.tag(webCamPicture(webCam.kind).imageNumber);
        try {
            TreeNode& node = nodes_.addChild(place_.key(), key, webCamNodeText(webCam), pictureKey, treePictures_);
            node.Tag = webCam.streamAddress;
            node.webCam = webCam;
            return true;
        } catch (const platform::RuntimeError&) {
            // The tree is full, or the key cannot be used: this webcam gets no node.
            return false;
        }
    }

private:
    TreeNodes& nodes_;
    TreeNode& place_;
    const ImageList& localPictures_;
    const ImageList* treePictures_;
    int collisions_ = 0;
};

} // namespace

void loadWebCams(MainWindow& main, const QByteArray& reply)
{
    TreeNodes& nodes = TreeNodes::of(*main.directoryTree);
    DirectoryModel& model = main.directoryModel;
    TreeNode* place = nodes.byIndex(model.selectedNodeIndex);
    if (!place || seenRepliesCacheHolds(reply))
        return;

    main.statusBar->setPanelText(1, kLoadingStatus);
    std::vector<WebCamRecord> records;
    try {
        records = webCamRecordsOf(reply);
    } catch (const platform::RuntimeError&) {
        return; // the string component failed: the reply is not loaded
    }
    model.storeWebCamRows(records);
    main.progressBar->setMaximum(std::max<int>(1, int(records.size())));

    // Only this reply's records: rows an earlier, longer reply left in the table
    // are not webcams of this place now.
    WebCamHanger hanger(nodes, *place, main.localIcons, model.noIcons ? nullptr : &main.remoteIcons);
    bool hungAny = false;
    for (const WebCamRecord& webCam : webCamsAtPlace(records, place->nodeText()))
        hungAny = hanger.hang(webCam) || hungAny;
    main.progressBar->setValue(0);

    // A reply that hung nothing here answered another place (the user clicked on
    // meanwhile): recorded as seen, it would keep that place empty on its next click.
    if (hungAny)
        addToSeenRepliesCache(reply);
}
