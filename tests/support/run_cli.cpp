#include "support/run_cli.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace zolvane::testing {

CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& dataDir,
              const std::string& input) {
    ::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (::pipe(in) || ::pipe(out) || ::pipe(err)) std::abort();
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
        ::setenv("ZOLVANE_DATA_DIR", dataDir.c_str(), 1);
        std::vector<char*> argv;
        std::string exe = ZOLVANE_CLI;
        argv.push_back(exe.data());
        std::vector<std::string> copy = args;
        for (auto& a : copy) argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(exe.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    CliRun run;
    std::size_t written = 0;
    if (input.empty()) {
        ::close(in[1]);
        in[1] = -1;
    } else {
        ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    }
    bool outOpen = true, errOpen = true;
    char buffer[65536];
    while (outOpen || errOpen) {
        pollfd fds[3];
        int n = 0;
        if (outOpen) fds[n++] = {out[0], POLLIN, 0};
        if (errOpen) fds[n++] = {err[0], POLLIN, 0};
        if (in[1] >= 0) fds[n++] = {in[1], POLLOUT, 0};
        if (::poll(fds, static_cast<nfds_t>(n), 30000) <= 0) break;
        for (int i = 0; i < n; ++i) {
            if (!fds[i].revents) continue;
            if (fds[i].fd == in[1]) {
                ssize_t w = ::write(in[1], input.data() + written, input.size() - written);
                if (w > 0) written += static_cast<std::size_t>(w);
                if (w < 0 || written == input.size()) {
                    ::close(in[1]);
                    in[1] = -1;
                }
                continue;
            }
            ssize_t r = ::read(fds[i].fd, buffer, sizeof buffer);
            std::string& sink = fds[i].fd == out[0] ? run.out : run.err;
            if (r > 0) {
                sink.append(buffer, static_cast<std::size_t>(r));
            } else {
                (fds[i].fd == out[0] ? outOpen : errOpen) = false;
            }
        }
    }
    if (in[1] >= 0) ::close(in[1]);
    ::close(out[0]);
    ::close(err[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

}  // namespace zolvane::testing
