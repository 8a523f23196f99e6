// How fast the session collects a webcam reply that arrives in pieces: a reply of
// 1000 records in 20 chunks, handed to the reflector connection one by one as their
// arrival hands them, until the reply is complete. No window observes the session, so
// only the session's reply handling is measured (bench_webcamloading measures the
// loading into the tree). A whole reply should take far less than the second in which
// a user notices a wait.
#include "TempProgramFolder.h"
#include "link/ReflectorSession.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

constexpr int kRecords = 1000;
constexpr int kChunks = 20;

QByteArray thousandRecordReply()
{
    QByteArray reply = "/WC/";
    for (int i = 0; i < kRecords; ++i)
        reply += QByteArray::number(i) + ",http://cam.example/" + QByteArray::number(i) + ",,Cam,N,,Paris,IEStream\r\n";
    return reply + "/EndTran/";
}

QList<QByteArray> chunksOf(const QByteArray& reply, int count)
{
    QList<QByteArray> chunks;
    const qsizetype size = reply.size() / count + 1;
    for (qsizetype start = 0; start < reply.size(); start += size)
        chunks.append(reply.mid(start, size));
    return chunks;
}

void BM_WebCamReplyInTwentyChunks(benchmark::State& state)
{
    const TempProgramFolder world;
    const QByteArray reply = thousandRecordReply();
    const QList<QByteArray> chunks = chunksOf(reply, kChunks);
    ReflectorConnection& connection = reflectorSession().connection();

    for (auto _ : state)
        for (const QByteArray& chunk : chunks)
            connection.receiveChunk(chunk);

    if (reflectorSession().collectedWebCamReply() != reply)
        state.SkipWithError("the reply was not collected whole");
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kRecords);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(reply.size()));
    state.counters["chunks"] = double(chunks.size());
}

BENCHMARK(BM_WebCamReplyInTwentyChunks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
