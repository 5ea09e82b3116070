#include "hid_access.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

std::string HidOpenFailure(const std::string& path, const std::string& libraryText) {
#ifndef _WIN32
    // The node is root's until a udev rule hands it to the user at the computer; the
    // library's text then only says the open failed.
    if (faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        return std::string(std::strerror(EACCES)) +
               " - the access rule /usr/lib/udev/rules.d/70-carddemo-encoder.rules is not in "
               "force: install the package, then plug the encoder in again";
    }
#else
    (void)path;
#endif
    return libraryText.empty() ? std::string("the system would not open it") : libraryText;
}
