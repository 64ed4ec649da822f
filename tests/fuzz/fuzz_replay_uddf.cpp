// The UDDF reader on generated files:
//   build-fuzz/tests/fuzz/fuzz_replay_uddf -runs=1000000 -dict=tests/fuzz/dive_logs.dict <corpus folder>
// Seed the corpus with tests/fixtures/replay/*.uddf, tests/fixtures/simulation/*.uddf and the
// real logs of ../shared/testdata.

#include "replayexercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay* source = openInput(data, size, ".uddf", [](const QString& path) { return replayUDDF(path); });
    if (source)
        exerciseReplay(*source);
    delete source;
    return 0;
}
