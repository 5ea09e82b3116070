#include "write_scenario.h"

#include <array>
#include <sstream>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, WriteScenario::Reply>, 8> kReplyNames = {{
    {"ok", WriteScenario::Reply::Ok},
    {"fail", WriteScenario::Reply::Fail},
    {"split", WriteScenario::Reply::Split},
    {"none", WriteScenario::Reply::None},
    {"format-error", WriteScenario::Reply::FormatError},
    {"bad-command", WriteScenario::Reply::BadCommand},
    {"swipe-error", WriteScenario::Reply::SwipeError},
    {"fail-a", WriteScenario::Reply::FailA},
}};

}  // namespace

std::vector<std::string> WriteScenario::OptionNames() {
    return {"--write-replies", "--write-reply-ms", "--write-split-ms"};
}

const char* WriteScenario::Usage() {
    return "  --write-replies LIST  the answer to each written card, in turn: ok, fail, split,\n"
           "                     none, comma-separated, repeated from the start (default ok);\n"
           "                     esc-block answers ok 1b 30, fail 1b 31, and also takes\n"
           "                     format-error (1b 32), bad-command (1b 34), swipe-error\n"
           "                     (1b 39), fail-a (1b 41), each a fail in the commands family\n"
           "  --write-reply-ms N  delay before a write's answer (default 300)\n"
           "  --write-split-ms N  pause between the pieces of a split answer (default 300)\n";
}

std::optional<std::string> WriteScenario::Parse(const CommandLine& options,
                                                WriteScenario& scenario) {
    if (options.Has("--write-replies")) {
        scenario.replies.clear();
        std::istringstream list(options.Get("--write-replies", ""));
        std::string word;
        while (std::getline(list, word, ',')) {
            bool known = false;
            for (const auto& [name, reply] : kReplyNames) {
                if (word != name) continue;
                scenario.replies.push_back(reply);
                known = true;
            }
            if (!known)
                return "--write-replies: '" + word +
                       "' is none of ok, fail, split, none, "
                       "format-error, bad-command, swipe-error, fail-a";
        }
        if (scenario.replies.empty()) return "--write-replies needs at least one answer";
    }
    if (auto error = options.GetMilliseconds("--write-reply-ms", scenario.replyMs)) return error;
    return options.GetMilliseconds("--write-split-ms", scenario.splitMs);
}

const char* ReplyName(WriteScenario::Reply reply) {
    for (const auto& [name, known] : kReplyNames) {
        if (known == reply) return name;
    }
    return "?";
}
