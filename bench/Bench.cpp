#include "Bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace bench {

double SecondsOf(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void RunTool(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    bool started = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!started || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench: %s failed\n", argv[0].c_str());
        std::exit(1);
    }
}

void ComparePaired(const std::string& name, const std::string& reference, double goal, int runs,
                   const std::function<void()>& ours, const std::function<void()>& theirs) {
    ours();
    theirs();
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        double oursSeconds = 0;
        double theirSeconds = 0;
        if (run % 2 == 0) {
            oursSeconds = SecondsOf(ours);
            theirSeconds = SecondsOf(theirs);
        } else {
            theirSeconds = SecondsOf(theirs);
            oursSeconds = SecondsOf(ours);
        }
        ratios.push_back(oursSeconds / theirSeconds);
        std::printf("%s run %d: %.4f s, %s %.4f s, ratio %.2f\n", name.c_str(), run + 1, oursSeconds, reference.c_str(),
                    theirSeconds, ratios.back());
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("bench %s ratio %.2f vs %s (goal at most %.2f)\n", name.c_str(), ratios[ratios.size() / 2],
                reference.c_str(), goal);
}

} // namespace bench
