// Writing eggdrop.conf beside the least the same job can cost: the same
// bytes written to a new file, flushed to disk and renamed over the old one
// with bare system calls. Run from a directory on the disk you care about;
// the files go to a fresh directory under the working directory.
//
//   build/dev/benchmarks/write_benchmark --benchmark_repetitions=10
//       --benchmark_report_aggregates_only=true   (one command line)

#include "document/config_lines.h"
#include "document/output_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace brimvale;

// Works in its own directory so that runs never touch a real eggdrop.conf.
class BenchDirectory {
public:
    BenchDirectory() : previous_(fs::current_path())
    {
        path_ = previous_ / ("brimvale-write-bench-" + std::to_string(::getpid()));
        fs::create_directories(path_);
        fs::current_path(path_);
    }
    ~BenchDirectory()
    {
        fs::current_path(previous_);
        fs::remove_all(path_);
    }

private:
    fs::path previous_;
    fs::path path_;
};

// The template, with the ten guided lines grown so that the whole text is
// about `bytes` long: the sizes a pasted text can bring.
ConfigLines linesOfSize(std::size_t bytes)
{
    ConfigLines lines;
    lines.fill();
    const std::size_t base = buildOutputText(lines).size();
    if (bytes > base) {
        const std::size_t each = (bytes - base) / 10;
        for (int index : {8, 9, 10, 102, 140, 292, 293, 294, 310, 389})
            lines.replace(index, lines.read(index) + std::string(each, 'x'));
    }
    return lines;
}

void BM_WriteOutputFile(benchmark::State& state)
{
    BenchDirectory dir;
    const ConfigLines lines = linesOfSize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        writeOutputFile(lines);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(buildOutputText(lines).size()));
}

void BM_BareSystemCalls(benchmark::State& state)
{
    BenchDirectory dir;
    const std::string text = buildOutputText(linesOfSize(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        const int fd = ::open("eggdrop.conf.new", O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0)
            throw std::runtime_error("open failed");
        if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            throw std::runtime_error("write failed");
        if (::fsync(fd) != 0 || ::close(fd) != 0)
            throw std::runtime_error("fsync failed");
        if (std::rename("eggdrop.conf.new", "eggdrop.conf") != 0)
            throw std::runtime_error("rename failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

constexpr int64_t kUnedited = 19474;
constexpr int64_t kOneMegabyte = 1 << 20;
constexpr int64_t kTenMegabytes = 10 << 20;

BENCHMARK(BM_WriteOutputFile)->Arg(kUnedited)->Arg(kOneMegabyte)->Arg(kTenMegabytes)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_BareSystemCalls)->Arg(kUnedited)->Arg(kOneMegabyte)->Arg(kTenMegabytes)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
