// Runs one program once and reports, in milliseconds, the time from the
// start of the process to the "paint <ns>" line it prints, the time from
// then until it has ended, and its peak resident memory in KiB:
//   startup_runner PROGRAM [ARGS...]  ->  "<start_ms> <exit_ms> <maxrss_kib>"
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Clock.h"

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int out[2];
    if (pipe(out) != 0)
        return 1;
    const long long started = bench::monotonicNs();
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        // Qt's start-up chatter is no part of the measurement.
        if (const int null = open("/dev/null", O_WRONLY); null >= 0)
            dup2(null, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[1], argv + 1);
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t got;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(got));
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const long long ended = bench::monotonicNs();
    const auto at = text.find("paint ");
    if (at == std::string::npos || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not paint and end cleanly\n", argv[1]);
        return 1;
    }
    const long long painted = std::atoll(text.c_str() + at + 6);
    std::printf("%.2f %.2f %ld\n", (painted - started) / 1e6, (ended - painted) / 1e6, usage.ru_maxrss);
    return 0;
}
