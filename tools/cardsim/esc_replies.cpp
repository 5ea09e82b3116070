#include "esc_replies.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace {

template <typename Reply>
using Names = std::vector<std::pair<std::string, Reply>>;

const Names<EscReplies::Test> kTestNames = {
    {"esc", EscReplies::Test::Esc},
    {"lone", EscReplies::Test::Lone},
    {"none", EscReplies::Test::None},
};
const Names<EscReplies::Erase> kEraseNames = {
    {"ok", EscReplies::Erase::Ok},
    {"fail", EscReplies::Erase::Fail},
    {"none", EscReplies::Erase::None},
};

// The comma-separated names of `option`, when it is given, into `replies`.
template <typename Reply>
std::optional<std::string> ParseList(const CommandLine& options, const std::string& option,
                                     const Names<Reply>& names, std::vector<Reply>& replies) {
    if (!options.Has(option)) return std::nullopt;
    std::string known;
    for (const auto& [name, reply] : names) known += (known.empty() ? "" : ", ") + name;
    replies.clear();
    std::istringstream list(options.Get(option, ""));
    std::string word;
    while (std::getline(list, word, ',')) {
        const auto found = std::find_if(names.begin(), names.end(),
                                        [&](const auto& entry) { return entry.first == word; });
        if (found == names.end()) return option + ": '" + word + "' is none of " + known;
        replies.push_back(found->second);
    }
    if (replies.empty()) return option + " needs at least one of " + known;
    return std::nullopt;
}

}  // namespace

std::vector<std::string> EscReplies::OptionNames() {
    return {"--test-replies", "--erase-replies", "--identity"};
}

const char* EscReplies::Usage() {
    return "  --test-replies L   esc-block: answers to the communication test, in turn: esc\n"
           "                     (1b 79), lone (79, its ESC lost), none (default esc)\n"
           "  --erase-replies L  esc-block: answers to each erase, in turn: ok (1b 30), fail\n"
           "                     (1b 41), none (default ok)\n"
           "  --identity WHAT    esc-block: answer (default) or none, the model (1b 74) and\n"
           "                     firmware (1b 76) questions, a device that keeps them to itself\n";
}

const char* EscReplies::Name(Erase reply) {
    const auto found = std::find_if(kEraseNames.begin(), kEraseNames.end(),
                                    [&](const auto& entry) { return entry.second == reply; });
    return found == kEraseNames.end() ? "?" : found->first.c_str();
}

std::optional<std::string> EscReplies::Parse(const CommandLine& options, EscReplies& replies) {
    if (auto error = ParseList(options, "--test-replies", kTestNames, replies.tests)) return error;
    const std::string identity = options.Get("--identity", "answer");
    if (identity != "answer" && identity != "none")
        return "--identity: '" + identity + "' is neither answer nor none";
    replies.identity = identity == "answer";
    return ParseList(options, "--erase-replies", kEraseNames, replies.erases);
}
