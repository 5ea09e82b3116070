#include "command_line.h"

#include <algorithm>
#include <charconv>

std::optional<std::string> CommandLine::Parse(const std::vector<std::string>& arguments,
                                              const std::vector<std::string>& knownOptions) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (std::find(knownOptions.begin(), knownOptions.end(), name) == knownOptions.end()) {
            return "unknown option " + name;
        }
        if (i + 1 >= arguments.size()) return "option " + name + " needs a value";
        values_[name] = arguments[++i];
    }
    return std::nullopt;
}

std::string CommandLine::Get(const std::string& name, const std::string& fallback) const {
    const auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

std::optional<std::string> CommandLine::GetMilliseconds(const std::string& name, int& value) const {
    const auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    const std::string& text = it->second;
    int parsed = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < 0) {
        return name + " needs a whole number of milliseconds, not '" + text + "'";
    }
    value = parsed;
    return std::nullopt;
}
