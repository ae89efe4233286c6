// Frame building and response judging: the tool's own cost per command.
#include <benchmark/benchmark.h>

#include "link/frame.h"
#include "link/hextext.h"
#include "link/response.h"
#include "link/timestamp.h"
#include "protocol/outputformat.h"

using namespace rfid;

static void BM_FrameText(benchmark::State &state)
{
    const QString command = QStringLiteral("82 05 01 00 00 01 01 01 00");
    for (auto _ : state)
        benchmark::DoNotOptimize(frameText(QStringLiteral("00"), command));
}
BENCHMARK(BM_FrameText);

static void BM_FrameToBytes(benchmark::State &state)
{
    const QString frame = frameText(QStringLiteral("00"), QStringLiteral("82 05 01 00 00 01 01 01 00"));
    for (auto _ : state)
        benchmark::DoNotOptimize(hexToBytes(frame));
}
BENCHMARK(BM_FrameToBytes);

static void BM_SetFormatCommand(benchmark::State &state)
{
    format::Choice c;
    c.code = 5;
    c.semicolon = c.enter = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(frameText(QStringLiteral("00"), format::set(c).text()));
}
BENCHMARK(BM_SetFormatCommand);

static void BM_EvaluateSuccess(benchmark::State &state)
{
    const QString recdata = QStringLiteral("AA000A0000050100000101010087BB");
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluate(recdata));
}
BENCHMARK(BM_EvaluateSuccess);

static void BM_EvaluateLongest(benchmark::State &state)
{
    // A response of the largest size a read can deliver.
    QByteArray f(245, '\x11');
    f[0] = char(0xAA);
    f[1] = 0;
    f[2] = char(240);
    f[3] = 0;
    unsigned x = 0;
    for (int i = 1; i < 243; ++i)
        x ^= static_cast<unsigned char>(f[i]);
    f[243] = char(x);
    f[244] = char(0xBB);
    const QString recdata = bytesToHex(f);
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluate(recdata));
}
BENCHMARK(BM_EvaluateLongest);

static void BM_ReadFormatEntry(benchmark::State &state)
{
    const Response r = evaluate(QStringLiteral("AA000A0000050100000101010087BB"));
    const QString time = timeStamp();
    for (auto _ : state)
        benchmark::DoNotOptimize(format::Settings::from(r).lines(time));
}
BENCHMARK(BM_ReadFormatEntry);

static void BM_TimeStamp(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(timeStamp());
}
BENCHMARK(BM_TimeStamp);

BENCHMARK_MAIN();
