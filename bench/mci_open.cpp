// How long the media layer takes to split a command and to open (preroll) and close a file, so
// that a regression in what every click sound and every scene's media costs shows up.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/mci/gst_mci_interpreter.h"
#include "platform/mci/mci_command.h"
#include "platform/mci/tests/media_fixtures.h"

namespace {

void BM_ParseCommand(benchmark::State& state) {
    const std::string command =
        "open \"/media/a presentation/intro music.wav\" alias Media12 parent 3 style child";
    for (auto _ : state) {
        int error = 0;
        benchmark::DoNotOptimize(ParseMciCommand(command, error));
    }
}
BENCHMARK(BM_ParseCommand);

void OpenClose(benchmark::State& state, const media_fixtures::Bytes& bytes, const char* name) {
    setenv("TAVRIN_AUDIO_SINK", "fake", 0);
    media_fixtures::TempFolder folder;
    const auto file = folder.File(name, bytes);
    GstMciInterpreter mci;
    std::string answer;
    const std::string open = "open " + QuoteMciArgument(file.string()) + " alias Bench";
    for (auto _ : state) {
        if (mci.SendString(open, answer, 0) != 0) state.SkipWithError("open failed");
        mci.SendString("close Bench", answer, 0);
    }
}

void BM_OpenCloseWave(benchmark::State& state) {
    OpenClose(state, media_fixtures::Wave(200), "tone.wav");
}
BENCHMARK(BM_OpenCloseWave)->Unit(benchmark::kMillisecond);

void BM_OpenCloseMidi(benchmark::State& state) {
    OpenClose(state, media_fixtures::Midi(), "note.mid");
}
BENCHMARK(BM_OpenCloseMidi)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
BENCHMARK_MAIN();
