#include "profile_text.h"

#include <fstream>
#include <set>
#include <sstream>

std::string Hex(std::string_view hex) {
    std::string bytes;
    std::string digits;
    for (const char c : hex) {
        if (c == ' ') continue;
        digits.push_back(c);
        if (digits.size() == 2) {
            bytes.push_back(static_cast<char>(std::stoi(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return bytes;
}

std::string ProfileText(const ProfileChanges& changes) {
    ProfileChanges all = {{"SysDelay", "0"}};
    for (const auto& [key, value] : changes) all[key] = value;
    std::ifstream in(SAMPLE_PROFILE_PATH);
    std::ostringstream out;
    std::set<std::string> done;
    std::string line;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        const auto it = all.find(line.substr(0, equals));
        if (equals != std::string::npos && it != all.end()) {
            line = it->first + "=" + it->second;
            done.insert(it->first);
        }
        out << line << "\n";
    }
    for (const auto& [key, value] : all) {
        if (done.count(key) == 0) out << key << "=" << value << "\n";
    }
    return out.str();
}
