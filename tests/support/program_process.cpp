#include "program_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>

#include "wait_for.h"

extern char** environ;

ProgramProcess::ProgramProcess(const std::string& program,
                               const std::vector<std::string>& arguments, int outFd) {
    std::vector<std::string> all{program};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : all) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string outPath = (dir_ / "out").string();
    const std::string errPath = (dir_ / "err").string();
    outFd >= 0 ? posix_spawn_file_actions_adddup2(&actions, outFd, 1)
               : posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(),
                                                  O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    const int error = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start " + program);
}

ProgramProcess::~ProgramProcess() {
    if (pid_ > 0) Wait(std::chrono::milliseconds(0));
}

void ProgramProcess::Signal(int signal) const {
    if (pid_ > 0) kill(pid_, signal);
}

int ProgramProcess::Wait(std::chrono::milliseconds limit) {
    int status = 0;
    const bool ended = WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limit);
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
    }
    pid_ = -1;
    if (!ended) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ProgramProcess::Out() const {
    return ReadFile(dir_ / "out");
}

std::string ProgramProcess::Err() const {
    return ReadFile(dir_ / "err");
}
