// MD5 throughput beside OpenSSL's MD5, and the file checksum trailer on a 256 MiB file beside a
// plain chunked read of the same file, with the peak memory each adds to the process.
#include "bench_floor.h"

#include "brimlib/qzFileSystem.h"
#include "foundation/qzChecksum.h"
#include "foundation/qzDataIntegrityUtils.h"

#include <openssl/evp.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t kSize = 256u << 20;

const std::vector<unsigned char>& Payload()
{
    static const std::vector<unsigned char> payload = [] {
        std::vector<unsigned char> bytes(kSize);
        std::mt19937_64 random(1);
        for (std::size_t i = 0; i < kSize; i += 8)
        {
            const auto v = random();
            for (int k = 0; k < 8; ++k)
                bytes[i + k] = static_cast<unsigned char>(v >> (8 * k));
        }
        return bytes;
    }();
    return payload;
}

// Peak resident memory of the process in KiB since the last reset (Linux /proc interface).
long PeakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
    {
        if (key == "VmHWM:")
        {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

long CurrentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key)
    {
        if (key == "VmRSS:")
        {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void BM_MD5(benchmark::State& state)
{
    const auto& data = Payload();
    std::string ours, theirs;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] { ours = misc::qzChecksum::CMD5Checksum::GetMD5(data.data(), data.size()); });
        floor.Time(state, [&] {
            unsigned char digest[EVP_MAX_MD_SIZE];
            unsigned int size = 0;
            EVP_Digest(data.data(), data.size(), digest, &size, EVP_md5(), nullptr);
            theirs.assign(reinterpret_cast<const char*>(digest), size);
        });
    }
    if (ours.size() != 32 || theirs.size() != 16)
        state.SkipWithError("unexpected digest sizes");
    floor.Report(state, static_cast<double>(kSize));
}

struct TempPayloadFile
{
    TempPayloadFile() : path(misc::qzFileSystem::CreateTempFile(misc::qzFileSystem::GetTempDirectory(), "bin"))
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(Payload().data()), static_cast<std::streamsize>(kSize));
    }
    ~TempPayloadFile() { misc::qzFileSystem::FileDelete(path); }
    std::string path;
};

void ReadInChunks(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::unique_ptr<char[]> buffer(new char[1 << 20]);
    while (in.read(buffer.get(), 1 << 20) || in.gcount() > 0)
        benchmark::DoNotOptimize(buffer.get());
}

void BM_AddChecksumToFile(benchmark::State& state)
{
    Payload();
    TempPayloadFile file;
    bench::Floor floor;
    long extraKiB = 0;
    for (auto _ : state)
    {
        ResetPeak();
        const long before = CurrentKiB();
        floor.Ours([&] { misc::qzDataIntegrityUtils::AddChecksumToFile(file.path); });
        extraKiB = std::max(extraKiB, PeakKiB() - before);
        floor.Time(state, [&] { ReadInChunks(file.path); });
        state.PauseTiming();
        std::filesystem::resize_file(file.path, kSize);
        state.ResumeTiming();
    }
    floor.Report(state, static_cast<double>(kSize));
    state.counters["peak_extra_MiB"] = static_cast<double>(extraKiB) / 1024.0;
    state.counters["file_MiB"] = static_cast<double>(kSize >> 20);
}

void BM_VerifyChecksumFromFile(benchmark::State& state)
{
    Payload();
    TempPayloadFile file;
    misc::qzDataIntegrityUtils::AddChecksumToFile(file.path);
    bench::Floor floor;
    long extraKiB = 0;
    bool verified = true;
    for (auto _ : state)
    {
        ResetPeak();
        const long before = CurrentKiB();
        floor.Ours([&] { verified = verified && misc::qzDataIntegrityUtils::VerifyChecksumFromFile(file.path); });
        extraKiB = std::max(extraKiB, PeakKiB() - before);
        floor.Time(state, [&] { ReadInChunks(file.path); });
    }
    if (!verified)
        state.SkipWithError("verification failed");
    floor.Report(state, static_cast<double>(kSize));
    state.counters["peak_extra_MiB"] = static_cast<double>(extraKiB) / 1024.0;
    state.counters["file_MiB"] = static_cast<double>(kSize >> 20);
}
} // namespace

BENCHMARK(BM_MD5)->Name("MD5/256MiB_vs_OpenSSL")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AddChecksumToFile)->Name("AddChecksumToFile/256MiB")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_VerifyChecksumFromFile)->Name("VerifyChecksumFromFile/256MiB")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
