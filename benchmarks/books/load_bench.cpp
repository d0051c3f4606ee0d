// Loading a 100 MB book beside the cost of merely reading it and finding its
// CR LF pairs once, with the peak heap use of each load.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <string>

#include "books/book_loader.h"
#include "books/codec_iconv.h"

namespace {

// Counting allocator: every block carries its size in front, so the live and
// peak totals follow each new and delete.
constexpr std::size_t kHeader = alignof(std::max_align_t);
std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

void* counted_alloc(std::size_t size) {
    void* block = std::malloc(size + kHeader);
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    const std::size_t live = g_live.fetch_add(size) + size;
    std::size_t peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return static_cast<char*>(block) + kHeader;
}

void counted_free(void* p) {
    if (!p) return;
    void* block = static_cast<char*>(p) - kHeader;
    g_live.fetch_sub(*static_cast<std::size_t*>(block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return counted_alloc(size); }
void* operator new[](std::size_t size) { return counted_alloc(size); }
void operator delete(void* p) noexcept { counted_free(p); }
void operator delete[](void* p) noexcept { counted_free(p); }
void operator delete(void* p, std::size_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::size_t) noexcept { counted_free(p); }

namespace {

constexpr std::size_t kBookBytes = 100u * 1000u * 1000u;
constexpr std::size_t kLineBytes = 60;

std::filesystem::path book_dir() { return std::filesystem::temp_directory_path() / "tq_load_bench"; }

// Lines of about 60 bytes: Chinese characters with a little ASCII, CR LF.
std::filesystem::path make_book(const char* name, const std::string& phrase) {
    const auto path = book_dir() / name;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= kBookBytes) return path;
    std::filesystem::create_directories(book_dir());
    std::string line;
    while (line.size() + phrase.size() + 2 <= kLineBytes) line += phrase;
    line += "\r\n";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    for (std::size_t written = 0; written < kBookBytes; written += line.size())
        std::fwrite(line.data(), 1, line.size(), f);
    std::fclose(f);
    return path;
}

std::string read_file(const std::filesystem::path& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string bytes(std::filesystem::file_size(path), '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(got);
    return bytes;
}

const std::string kGbkPhrase = "第一章 天下大势，分久必合。";  // narrow literals hold 936
const std::string kUtf8Phrase = reinterpret_cast<const char*>(u8"第一章 天下大势，分久必合。");

void report_memory(benchmark::State& state, std::size_t file_size, std::size_t peak) {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["file_MB"] = static_cast<double>(file_size) / 1e6;
    state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["peak_per_file"] = static_cast<double>(peak) / static_cast<double>(file_size);
    state.counters["maxrss_MB"] = static_cast<double>(usage.ru_maxrss) / 1e3;
}

void baseline(benchmark::State& state, const std::filesystem::path& path) {
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = read_file(path);
        size = bytes.size();
        std::size_t pairs = 0;
        const char* p = bytes.data();
        const char* end = p + bytes.size();
        while ((p = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p))))) {
            if (++p < end && *p == '\n') ++pairs;
        }
        benchmark::DoNotOptimize(pairs);
    }
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}

void load(benchmark::State& state, const std::filesystem::path& path) {
    const tq::IconvCodePageConverter codec;
    benchmark::DoNotOptimize(tq::utf8_to_ansi("\xE4\xB8\xAD", codec));  // builds the tables
    std::size_t size = 0, peak = 0, lines = 0;
    for (auto _ : state) {
        const std::size_t before = g_live.load();
        g_peak.store(before);
        tq::LoadedBook book = tq::load_book(read_file(path), codec);
        size = std::filesystem::file_size(path);
        peak = std::max(peak, g_peak.load() - before);
        lines = book.lines.size();
        benchmark::DoNotOptimize(book);
    }
    state.counters["lines"] = static_cast<double>(lines);
    report_memory(state, size, peak);
}

void BM_ReadAndScan_Gbk(benchmark::State& s) { baseline(s, make_book("gbk.txt", kGbkPhrase)); }
void BM_Load_Gbk(benchmark::State& s) { load(s, make_book("gbk.txt", kGbkPhrase)); }
void BM_ReadAndScan_Utf8(benchmark::State& s) { baseline(s, make_book("utf8.txt", kUtf8Phrase)); }
void BM_Load_Utf8(benchmark::State& s) { load(s, make_book("utf8.txt", kUtf8Phrase)); }

BENCHMARK(BM_ReadAndScan_Gbk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Load_Gbk)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadAndScan_Utf8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Load_Utf8)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
