// The DivingLog XML reader on generated files:
//   build-fuzz/tests/fuzz/fuzz_replay_xml -runs=1000000 -dict=tests/fuzz/dive_logs.dict <corpus folder>
// Seed the corpus with tests/fixtures/replay/*.xml and the real logs of ../shared/testdata.

#include "replayexercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Replay* source = openInput(data, size, ".xml", [](const QString& path) { return replayXML(path); });
    if (source)
        exerciseReplay(*source);
    delete source;
    return 0;
}
