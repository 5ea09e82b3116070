#include "command_line.h"

#include <algorithm>
#include <charconv>

std::optional<std::string> CommandLine::Parse(int argc, char** argv,
                                              const std::vector<std::string>& knownOptions) {
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (std::find(knownOptions.begin(), knownOptions.end(), name) == knownOptions.end()) {
            return "unknown option " + name;
        }
        if (i + 1 >= argc) return "option " + name + " needs a value";
        values_[name] = argv[++i];
    }
    return std::nullopt;
}

std::string CommandLine::Get(const std::string& name, const std::string& fallback) const {
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

int CommandLine::GetInt(const std::string& name, int fallback) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return fallback;
    int value = 0;
    const auto& text = it->second;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return (error == std::errc() && end == text.data() + text.size() && value >= 0) ? value
                                                                                    : fallback;
}
