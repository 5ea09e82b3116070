#include "cardsim_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

CardsimProcess::CardsimProcess(std::vector<std::string> extraArguments,
                               const std::string& profileText) {
    profile_ = dir_ / "QXProduct.ini";
    if (profileText.empty()) {
        std::filesystem::copy_file(SAMPLE_PROFILE_PATH, profile_);
    } else {
        WriteFile(profile_, profileText);
    }
    std::vector<std::string> arguments = {CARDSIM_PATH,
                                          "--link",
                                          PortPath(),
                                          "--profile",
                                          profile_.string(),
                                          "--transcript",
                                          (dir_ / "transcript.txt").string()};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string logPath = (dir_ / "cardsim.log").string();
    posix_spawn_file_actions_addopen(&actions, 1, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    const int error = posix_spawn(&pid_, CARDSIM_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) throw std::runtime_error("cannot start cardsim");

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!std::filesystem::is_symlink(PortPath())) {
        if (std::chrono::steady_clock::now() > deadline ||
            waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            throw std::runtime_error("cardsim did not come up: " + Log());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

CardsimProcess::~CardsimProcess() {
    Stop();
}

void CardsimProcess::Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string CardsimProcess::Log() const {
    return ReadFile(dir_ / "cardsim.log");
}

std::string CardsimProcess::TranscriptBytes(const std::string& direction) const {
    std::ifstream in(dir_ / "transcript.txt");
    std::string line;
    std::string bytes;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string stamp;
        std::string arrow;
        fields >> stamp >> arrow;
        if (arrow != direction) continue;
        std::string hex;
        while (fields >> hex) bytes.push_back(static_cast<char>(std::stoi(hex, nullptr, 16)));
    }
    return bytes;
}

std::string CardsimProcess::Received() const {
    return TranscriptBytes("<-");
}
std::string CardsimProcess::Sent() const {
    return TranscriptBytes("->");
}
