// Scanning a 10 MB script into tokens and reading its TVData.bin, beside reading the same bytes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "script/script_reader.h"

namespace {

namespace fs = std::filesystem;

// A realistic mix: declarations with strings and numbers, comments and command lists.
std::string MakeScript(size_t targetBytes) {
    std::string s = "<APPLICATION NAME = \"Bench\" AUTHOR = \"Northvale\" VERSION = 1.0>\r\n<LEARN>\r\n";
    for (int frame = 0; s.size() < targetBytes / 2; ++frame) {
        s += "<FRAME NAME = \"F" + std::to_string(frame) + "\" SIZE = 640, 480 COLOUR = darkblue>\r\n";
        for (int i = 0; i < 20; ++i) {
            std::string n = std::to_string(frame * 20 + i);
            s += "\t// button " + n + " of this frame, placed by the layout mode\r\n";
            s += "\t<BUTTON NAME = \"B" + n + "\" POS = " + std::to_string(i * 30) + ", 410 SIZE = 120, 40 TEXT = \"Next page\" ACTION = DoScene(\"S" + n + "\")>\r\n";
            s += "\t<IMAGE NAME = \"I" + n + "\" SRC = \"pictures\\\\photo" + n + ".bmp\" TRANS = 255, 0, 255>\r\n";
            s += "\t<SCENE NAME = \"S" + n + "\" EFFECT = FastDissolve>\r\n";
        }
        s += "</FRAME>\r\n";
    }
    s += "</LEARN>\r\n<DO>\r\n";
    for (int i = 0; s.size() < targetBytes; ++i) {
        std::string n = std::to_string(i);
        s += "SCENE(S" + n + ")\r\n\tDoImage(I" + n + ") BUTTON(B" + n + ") /* wait for a click */ Pause(20)\r\n\tWAIT\r\n";
    }
    s += "</DO>\r\n";
    return s;
}

struct Files {
    std::string script, compiled;
    size_t scriptBytes = 0, compiledBytes = 0;
    Files() {
        fs::path dir = fs::temp_directory_path() / "tavrin_bench_scan";
        fs::create_directories(dir);
        script = (dir / "bench.tvs").string();
        compiled = (dir / "TVData.bin").string();
        std::string text = MakeScript(10 << 20);
        std::ofstream(script, std::ios::binary) << text;
        CScriptReader reader;
        reader.OpenScript(script, false);
        reader.WriteTokens(compiled, true);
        scriptBytes = fs::file_size(script);
        compiledBytes = fs::file_size(compiled);
    }
};

const Files& BenchFiles() {
    static Files files;
    return files;
}

void ReadIntoMemory(benchmark::State& state, const std::string& path, size_t bytes) {
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string data((std::istreambuf_iterator<char>(in)), {});
        benchmark::DoNotOptimize(data);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_ReadScriptIntoMemory(benchmark::State& state) {
    ReadIntoMemory(state, BenchFiles().script, BenchFiles().scriptBytes);
}

void BM_ScanScript(benchmark::State& state) {
    for (auto _ : state) {
        CScriptReader reader;
        reader.OpenScript(BenchFiles().script, false);
        benchmark::DoNotOptimize(reader.Tokens().Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BenchFiles().scriptBytes));
}

void BM_ReadCompiledIntoMemory(benchmark::State& state) {
    ReadIntoMemory(state, BenchFiles().compiled, BenchFiles().compiledBytes);
}

void BM_ReadCompiledData(benchmark::State& state) {
    for (auto _ : state) {
        CScriptReader reader;
        reader.OpenScript(BenchFiles().compiled, true);
        benchmark::DoNotOptimize(reader.Tokens().Count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * BenchFiles().compiledBytes));
}

BENCHMARK(BM_ReadScriptIntoMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCompiledIntoMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCompiledData)->Unit(benchmark::kMillisecond);

}  // namespace

// By default glibc hands the memory of a freed token list back to the system at once, so every
// iteration would pay the first-touch page faults of a fresh list again (about 100 MB here). With
// --warm the freed memory is kept, which measures the scanner itself, as in a program that loads
// several scripts; without it the figure includes the page faults of a first load.
int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--warm") {
            mallopt(M_TRIM_THRESHOLD, 1 << 30);
            mallopt(M_MMAP_THRESHOLD, 1 << 30);
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
