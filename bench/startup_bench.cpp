// Times start-up as a person sees it: from starting the process to the first paint of
// its window, with the resident memory at that moment. Runs the program's start-up and
// a bare Qt Widgets window in turn, so both meet the same machine conditions.
//
//   startup_bench [--runs N] [--content DIR] PROGRAM_PROBE BARE_PROBE

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double ms;
    double rssMb;
};

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

bool runOnce(const char *program, const char *folder, Sample &sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long started = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (folder && chdir(folder) != 0)
            _exit(127);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long paintedNs = 0;
    long rssKb = 0;
    const size_t at = text.find("paint ");
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at, "paint %lld rss %ld", &paintedNs, &rssKb) != 2)
        return false;
    sample = {double(paintedNs - started) / 1e6, double(rssKb) / 1024.0};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Prints a line of figures and returns the median time.
double report(const char *name, const std::vector<Sample> &samples)
{
    std::vector<double> ms, rss;
    for (const Sample &s : samples) {
        ms.push_back(s.ms);
        rss.push_back(s.rssMb);
    }
    std::printf("%-12s first paint ms: median %7.1f  min %7.1f  max %7.1f   rss MB: median %5.1f\n",
                name, median(ms), *std::min_element(ms.begin(), ms.end()),
                *std::max_element(ms.begin(), ms.end()), median(rss));
    return median(ms);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 15;
    const char *folder = nullptr;
    std::vector<const char *> programs;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(argv[i], "--content") && i + 1 < argc)
            folder = argv[++i];
        else if (char *full = realpath(argv[i], nullptr))
            programs.push_back(full); // the probes start in the content folder
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() != 2) {
        std::fprintf(stderr, "usage: startup_bench [--runs N] [--content DIR] PROGRAM BARE\n");
        return 2;
    }
    std::vector<Sample> program, bare;
    Sample sample{};
    // One warm-up of each fills the disk cache.
    if (!runOnce(programs[0], folder, sample) || !runOnce(programs[1], folder, sample)) {
        std::fprintf(stderr, "a probe did not report its first paint\n");
        return 1;
    }
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(programs[0], folder, sample))
            return 1;
        program.push_back(sample);
        if (!runOnce(programs[1], folder, sample))
            return 1;
        bare.push_back(sample);
    }
    std::printf("%d runs each\n", runs);
    const double menuMedian = report("main menu", program);
    const double bareMedian = report("bare window", bare);
    std::printf("ratio of medians (menu / bare): %.2f\n", menuMedian / bareMedian);
    return 0;
}
