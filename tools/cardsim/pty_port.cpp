#include "pty_port.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

PtyPort::~PtyPort() {
    RemoveLink();
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

std::string PtyPort::Open(const std::filesystem::path& link) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        return std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
    }
    const char* name = ptsname(master_);
    if (name == nullptr) return std::string("no terminal name: ") + std::strerror(errno);
    terminalPath_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) return "cannot open " + terminalPath_ + ": " + std::strerror(errno);
    // Raw from the start: no echo of what the console sends before it sets the line up.
    termios attributes{};
    if (tcgetattr(slave_, &attributes) == 0) {
        cfmakeraw(&attributes);
        tcsetattr(slave_, TCSANOW, &attributes);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);

    std::error_code error;
    std::filesystem::create_directories(link.parent_path(), error);
    std::filesystem::remove(link, error);
    std::filesystem::create_symlink(terminalPath_, link, error);
    if (error) return "cannot create the link " + link.string() + ": " + error.message();
    link_ = link;
    return {};
}

void PtyPort::RemoveLink() {
    if (link_.empty()) return;
    std::error_code error;
    // Only our own link: another simulator may have taken the name since.
    if (std::filesystem::read_symlink(link_, error) == terminalPath_)
        std::filesystem::remove(link_, error);
    link_.clear();
}
