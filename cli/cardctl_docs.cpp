// Writes cardctl's man page and bash completion at build time, from the option table the
// program itself parses with, so that neither can fall behind it.
#include <fstream>
#include <iostream>

#include "bash_completion.h"
#include "man_page.h"

namespace {

bool WriteText(const char* path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (file) return true;
    std::cerr << "cardctl_docs: cannot write " << path << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: cardctl_docs MAN_PAGE COMPLETION_SCRIPT\n";
        return 2;
    }
    return WriteText(argv[1], ManPage()) && WriteText(argv[2], BashCompletion()) ? 0 : 1;
}
