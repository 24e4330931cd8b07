// Starts the program's windows and the bare Qt baseline in turn, many times,
// and reports the median wall time and peak resident memory of each and
// their ratio. Usage: startup_compare [runs]   (default 21)

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <spawn.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

Sample runOnce(const char* program)
{
    char* argv[] = {const_cast<char*>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    // Qt's start-up notices would drown the figures; they are the same for
    // both programs.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(std::string("cannot start ") + program);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(std::string(program) + " failed");
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const char* programs[] = {BRIMVALE_STARTUP_PROGRAM, BRIMVALE_STARTUP_BASELINE};

    // One warm-up each, so that both find the libraries in the page cache.
    for (const char* program : programs)
        runOnce(program);

    std::vector<double> times[2];
    std::vector<long> memory[2];
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const Sample sample = runOnce(programs[which]);
            times[which].push_back(sample.milliseconds);
            memory[which].push_back(sample.peakKilobytes);
        }
    }

    const double time[2] = {median(times[0]), median(times[1])};
    const long peak[2] = {median(memory[0]), median(memory[1])};
    std::printf("runs: %d each, alternating\n", runs);
    std::printf("%-10s %12s %16s\n", "", "wall (ms)", "peak RSS (KiB)");
    std::printf("%-10s %12.1f %16ld\n", "brimvale", time[0], peak[0]);
    std::printf("%-10s %12.1f %16ld\n", "baseline", time[1], peak[1]);
    std::printf("%-10s %12.3f %16.3f\n", "ratio", time[0] / time[1],
                static_cast<double>(peak[0]) / static_cast<double>(peak[1]));
    return 0;
}
