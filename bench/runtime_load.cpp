// Loading a large presentation: scanning alone, and scanning followed by the whole grammar.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/message/message_display.h"
#include "runtime/vistrel_doc.h"

namespace {

constexpr int kFrames = 50;
constexpr int kScenesPerFrame = 20;   // 1,000 scenes
constexpr int kObjectsPerScene = 5;   // 5,000 objects

// A script as the editor writes them: per frame its scenes, each with a few buttons, images,
// text boxes and sounds, and one command list per scene in the DO section.
std::string GeneratedScript() {
    std::string s = "<APP NAME = \"Bench\" AUTHOR = \"b\" VERSION = 1.0 MEDIA = \"Media\">\n<LEARN>\n";
    s += "<TEXTSTYLE NAME = \"T\" FONT = \"Arial\" TEXTSIZE = 18 BOLD = on COLOUR = 0, 0, 128>\n";
    for (int f = 0; f < kFrames; ++f) {
        const std::string frame = std::to_string(f);
        s += "<FRAME NAME = \"" + std::string(f == 0 ? "base" : "frame" + frame) +
             "\" SIZE = 640, 480 COLOUR = black BACKGROUND = \"bg" + frame + ".bmp\">\n";
        for (int c = 0; c < kScenesPerFrame; ++c) {
            const std::string scene = frame + "_" + std::to_string(c);
            s += "\t<SCENE NAME = \"S" + scene + "\" EFFECT = FastDissolve>\n";
            for (int o = 0; o < kObjectsPerScene; ++o) {
                const std::string name = "O" + scene + "_" + std::to_string(o);
                switch (o) {
                    case 0:
                        s += "\t\t<BUTTON NAME = \"" + name + "\" POS = 20, 400 SIZE = 120, 40 TEXT = \"Next\" "
                             "TEXTSTYLE = \"T\" ACTION = DoScene(\"S" + scene + "\")>\n";
                        break;
                    case 1:
                        s += "\t\t<IMAGE NAME = \"" + name + "\" SRC = \"pic" + scene + ".bmp\" POS = 10, 10 "
                             "TRANS = 255, 0, 255>\n";
                        break;
                    case 2:
                        s += "\t\t<TEXTBOX NAME = \"" + name + "\" TEXT = \"Some words of text\" POS = 100, 100>\n";
                        break;
                    case 3:
                        s += "\t\t<SOUND NAME = \"" + name + "\" SRC = \"s" + scene + ".wav\" SYNC = off>\n";
                        break;
                    default:
                        s += "\t\t<BUTTON NAME = \"" + name + "\" SRC = \"b.bmp\" ROLL = \"r.bmp\" "
                             "POS = 300, 300 ACTION = DoScene(\"S0_0\")>\n";
                        break;
                }
            }
        }
        s += "</FRAME>\n";
    }
    s += "</LEARN>\n<DO>\n";
    for (int f = 0; f < kFrames; ++f) {
        for (int c = 0; c < kScenesPerFrame; ++c) {
            const std::string scene = std::to_string(f) + "_" + std::to_string(c);
            s += "SCENE(S" + scene + ")\n";
            for (int o = 0; o < kObjectsPerScene; ++o) {
                s += "\tDoImage(O" + scene + "_" + std::to_string(o) + ")\n";
            }
            s += "\tWAIT\n";
        }
    }
    s += "</DO>\n";
    return s;
}

const std::string& Script() {
    static const std::string script = GeneratedScript();
    return script;
}

// Each iteration's document lives until the next one is loaded, so that the allocator does not
// hand the heap back to the system between iterations and fault it in again: that cost depends on
// the allocator's trimming, not on the loader, and it made the two measures incomparable.
void BM_ScanOnly(benchmark::State& state) {
    std::unique_ptr<CVistrelDoc> previous;
    for (auto _ : state) {
        auto doc = std::make_unique<CVistrelDoc>();
        doc->Reader().OpenScriptText(Script());
        benchmark::DoNotOptimize(doc->Reader().Tokens().Count());
        previous = std::move(doc);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(Script().size()));
}

void BM_LoadScanAndParse(benchmark::State& state) {
    SetMessageDisplay([](const std::string&, const std::string&) {});
    std::unique_ptr<CVistrelDoc> previous;
    for (auto _ : state) {
        auto doc = std::make_unique<CVistrelDoc>();
        doc->Reader().OpenScriptText(Script());
        if (!doc->ParseScript()) state.SkipWithError("the generated script does not parse");
        benchmark::DoNotOptimize(doc->Objects().Count());
        previous = std::move(doc);
    }
    SetMessageDisplay({});
    CVistrelDoc doc;
    doc.Reader().OpenScriptText(Script());
    doc.ParseScript();
    state.counters["objects"] = doc.Objects().Count();
    state.counters["scenes"] = static_cast<double>(doc.SceneTable().size());
    state.counters["tokens"] = doc.Reader().Tokens().Count();
}

BENCHMARK(BM_ScanOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadScanAndParse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
