// NVFF LZW streams against the ncompress commands on the same 20 MB mixed file (script text,
// bitmap-like rows and incompressible media bytes), file to file in both directions.
//   bench_nvff_lzw  (needs `compress` and `uncompress` on the PATH)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "medialib/nvff_file.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileSize = 20u << 20;

std::vector<std::uint8_t> MixedData() {
    static const char* const kWords[] = {"SCENE ",    "BUTTON ",   "IMAGE ", "SOUND ",
                                         "= ",        "\"Media\\", ".bmp\"", "\r\n\t",
                                         "POSITION ", "SIZE ",     ", ",     "DoScene "};
    std::mt19937 random(2024);
    std::vector<std::uint8_t> data;
    data.reserve(kFileSize);
    while (data.size() < kFileSize) {
        const std::size_t block = 64 * 1024;
        switch (random() % 10) {
            case 0:
            case 1:
            case 2:
            case 3:  // script text with numbers
                for (std::size_t n = 0; n < block;) {
                    std::string word = random() % 3 ? kWords[random() % std::size(kWords)]
                                                    : std::to_string(random() % 640);
                    data.insert(data.end(), word.begin(), word.end());
                    n += word.size();
                }
                break;
            case 4:
            case 5:
            case 6:  // bitmap rows: gradients with a little noise
                for (std::size_t n = 0; n < block; ++n) {
                    data.push_back(static_cast<std::uint8_t>((n % 768) / 3 + (random() % 4)));
                }
                break;
            default:  // compressed media
                for (std::size_t n = 0; n < block; ++n)
                    data.push_back(static_cast<std::uint8_t>(random()));
        }
    }
    data.resize(kFileSize);
    return data;
}

struct Files {
    fs::path folder =
        fs::temp_directory_path() / ("tavrin_bench_nvff_" + std::to_string(std::random_device{}()));
    fs::path input = folder / "mixed.bin";
    fs::path nvff = folder / "mixed.nv";
    fs::path z = folder / "mixed.bin.Z";
    fs::path output = folder / "out.bin";

    Files() {
        fs::create_directories(folder);
        const auto data = MixedData();
        std::FILE* file = std::fopen(input.string().c_str(), "wb");
        std::fwrite(data.data(), 1, data.size(), file);
        std::fclose(file);
    }
    ~Files() { fs::remove_all(folder); }
};

Files& TheFiles() {
    static Files files;
    return files;
}

bool CompressWithNvff(const Files& files) {
    std::FILE* in = std::fopen(files.input.string().c_str(), "rb");
    auto stream = CreateCompressor(NvffKind::Lzw);
    bool ok = in && stream->Open(files.nvff, NvffMode::Create);
    std::vector<std::uint8_t> chunk(1 << 20);
    while (ok) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        ok = stream->Write(chunk.data(), got);
        if (got < chunk.size()) break;
    }
    if (in) std::fclose(in);
    return stream->Close() && ok;
}

bool ExpandWithNvff(const Files& files) {
    NvffFile stream;
    std::FILE* out = std::fopen(files.output.string().c_str(), "wb");
    bool ok = out && stream.Open(files.nvff, NvffMode::Read);
    std::vector<std::uint8_t> chunk(1 << 16);
    while (ok) {
        const std::ptrdiff_t got = stream.Read(chunk.data(), chunk.size());
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        ok = std::fwrite(chunk.data(), 1, static_cast<std::size_t>(got), out) ==
             static_cast<std::size_t>(got);
    }
    if (out) std::fclose(out);
    return ok;
}

bool Shell(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

// CPU seconds (user and system) of this process, or of its finished children. The machine is
// shared, so CPU time compares the two implementations better than the time on the wall.
double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void Report(benchmark::State& state, const fs::path& compressed, double cpuSeconds) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFileSize));
    state.counters["size_ratio"] = static_cast<double>(fs::file_size(compressed)) / kFileSize;
    state.counters["cpu_MB/s"] =
        static_cast<double>(state.iterations()) * kFileSize / (1 << 20) / cpuSeconds;
}

void BM_NvffCompress(benchmark::State& state) {
    const Files& files = TheFiles();
    const double cpuStart = CpuSeconds(RUSAGE_SELF);
    for (auto _ : state) {
        if (!CompressWithNvff(files)) state.SkipWithError("NVFF compression failed");
    }
    Report(state, files.nvff, CpuSeconds(RUSAGE_SELF) - cpuStart);
}

void BM_CompressCommand(benchmark::State& state) {
    const Files& files = TheFiles();
    const std::string command =
        "compress -b15 -c '" + files.input.string() + "' > '" + files.z.string() + "'";
    const double cpuStart = CpuSeconds(RUSAGE_CHILDREN);
    for (auto _ : state) {
        if (!Shell(command)) state.SkipWithError("compress -b15 failed");
    }
    Report(state, files.z, CpuSeconds(RUSAGE_CHILDREN) - cpuStart);
}

void BM_NvffExpand(benchmark::State& state) {
    const Files& files = TheFiles();
    if (!CompressWithNvff(files)) state.SkipWithError("NVFF compression failed");
    const double cpuStart = CpuSeconds(RUSAGE_SELF);
    for (auto _ : state) {
        if (!ExpandWithNvff(files)) state.SkipWithError("NVFF expansion failed");
    }
    Report(state, files.nvff, CpuSeconds(RUSAGE_SELF) - cpuStart);
}

void BM_UncompressCommand(benchmark::State& state) {
    const Files& files = TheFiles();
    if (!Shell("compress -b15 -c '" + files.input.string() + "' > '" + files.z.string() + "'")) {
        state.SkipWithError("compress -b15 failed");
    }
    const std::string command =
        "uncompress -c '" + files.z.string() + "' > '" + files.output.string() + "'";
    const double cpuStart = CpuSeconds(RUSAGE_CHILDREN);
    for (auto _ : state) {
        if (!Shell(command)) state.SkipWithError("uncompress failed");
    }
    Report(state, files.z, CpuSeconds(RUSAGE_CHILDREN) - cpuStart);
}

}  // namespace

BENCHMARK(BM_NvffCompress)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_CompressCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_NvffExpand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_UncompressCommand)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
