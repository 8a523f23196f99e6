// How long the tree build takes: the shipped Nodes.lst (3321 records) and a generated
// list of 20 000 records (100 topics of 199 places each), into a fresh tree each time.
#include "TempProgramFolder.h"
#include "WidgetBenchmarkMain.h"
#include "directory/DirectoryModel.h"
#include "directory/NodeList.h"
#include "directory/TreeNodes.h"
#include "ui/ImageList.h"
#include "ui/TreePictures.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTreeWidget>

namespace {

QByteArray shippedNodeList()
{
    QFile file(QStringLiteral(VISTREL_SHIPPED_DATA "/Nodes.lst"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray generatedNodeList(int records)
{
    constexpr int kPlacesPerTopic = 199;
    QByteArray list;
    QByteArray topic;
    for (int i = 0; i < records; ++i) {
        if (i % (kPlacesPerTopic + 1) == 0) {
            topic = "Topic" + QByteArray::number(i);
            list += "\"Top\",\"" + topic + "\",\"" + topic + "\",\"Closed\"\r\n";
        } else {
            list += "\"" + topic + "\",\"" + topic + "/" + QByteArray::number(i) + "\",\"Place " + QByteArray::number(i)
                + "\",\"VideoLink\"\r\n";
        }
    }
    return list;
}

void buildFrom(benchmark::State& state, const QByteArray& nodeList)
{
    TempProgramFolder folder;
    QFile file(folder.filePath(QStringLiteral("Nodes.lst")));
    if (nodeList.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(nodeList) != nodeList.size()) {
        state.SkipWithError("no node list");
        return;
    }
    file.close();
    ImageList images({48, 48});
    addBuiltInPictures(images);
    DirectoryModel model;

    for (auto _ : state) {
        state.PauseTiming();
        auto tree = std::make_unique<QTreeWidget>();
        state.ResumeTiming();
        buildNodesInto(*tree, images, model, [](const QByteArray&) {});
        benchmark::DoNotOptimize(TreeNodes::of(*tree).count());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    if (!folder.dialogs().messageBoxes().isEmpty())
        state.SkipWithError("the build reported failures");
    state.counters["records"] = double(nodeList.count('\n'));
}

void BM_BuildNodesShipped(benchmark::State& state)
{
    buildFrom(state, shippedNodeList());
}

void BM_BuildNodesGenerated20000(benchmark::State& state)
{
    buildFrom(state, generatedNodeList(20000));
}

BENCHMARK(BM_BuildNodesShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildNodesGenerated20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
