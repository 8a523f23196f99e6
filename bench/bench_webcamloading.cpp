// How long a 1000-record webcam reply takes from its first chunk to the last webcam
// node in the tree: the reply in one chunk and in 20 chunks, each time into a place
// without webcams and with the seen-replies cache deleted, cache write included.
//
// The chunks are joined here as the session collects them ("/WC/" to "/EndTran/")
// and the joined reply is handed to loadWebCams, so that the loading is measured
// apart from the collecting (bench_webcamreplycollecting measures that).
#include "FrameWorld.h"
#include "PlaceTree.h"
#include "TestWindows.h"
#include "WidgetBenchmarkMain.h"
#include "common/SeenRepliesCache.h"
#include "directory/WebCamLoading.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kRecords = 1000;

QByteArray thousandRecordReply()
{
    QByteArrayList lines;
    for (int i = 1; i <= kRecords; ++i)
        lines.append(webCamLine("Camera number " + QByteArray::number(i),
                                "http://cams.example.net:8080/live/" + QByteArray::number(i) + ".rm", "France",
                                i % 2 ? "RealPlay" : "NoStream", i % 10 ? "" : "Y", "pw"));
    return webCamReply(lines);
}

QList<QByteArray> chunksOf(const QByteArray& reply, int count)
{
    QList<QByteArray> chunks;
    const qsizetype size = (reply.size() + count - 1) / count;
    for (qsizetype start = 0; start < reply.size(); start += size)
        chunks.append(reply.mid(start, size));
    return chunks;
}

void loadInChunks(benchmark::State& state, int chunkCount)
{
    FrameWorld world;
    PlaceTree tree;
    const QList<QByteArray> chunks = chunksOf(thousandRecordReply(), chunkCount);

    for (auto _ : state) {
        state.PauseTiming();
        // A fresh tree each time: the node Index count goes on until the tree is empty.
        testWindows().main().directoryTree->clear();
        tree = PlaceTree::build();
        deleteSeenRepliesCache();
        testWindows().main().directoryModel.selectedNodeIndex = tree.france->index();
        state.ResumeTiming();

        QByteArray collected;
        for (const QByteArray& chunk : chunks) {
            collected += chunk;
            if (chunk.contains("/EndTran/"))
                loadWebCams(testWindows().main(), collected);
        }
        benchmark::DoNotOptimize(tree.france->childCount());
    }
    if (!tree.france || tree.france->childCount() != kRecords)
        state.SkipWithError("not every webcam was hung");
    state.counters["chunks"] = double(chunks.size());
}

void BM_WebCamReplyInOneChunk(benchmark::State& state)
{
    loadInChunks(state, 1);
}

void BM_WebCamReplyInTwentyChunks(benchmark::State& state)
{
    loadInChunks(state, 20);
}

BENCHMARK(BM_WebCamReplyInOneChunk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebCamReplyInTwentyChunks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
