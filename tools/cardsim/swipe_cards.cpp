#include "swipe_cards.h"

#include <cctype>
#include <fstream>

namespace {

constexpr std::string_view kFailed = "!";
constexpr std::string_view kHexPrefix = "hex:";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

std::optional<std::string> DecodeHex(std::string_view digits) {
    if (digits.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexDigit(digits[i]);
        const int low = HexDigit(digits[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

// Adds one "N=value" field to the card; an error text when it is not one.
std::string AddField(std::string_view field, Card& card) {
    const auto equals = field.find('=');
    const std::string_view name = Trim(field.substr(0, equals));
    if (equals == std::string_view::npos || name.size() != 1 || name[0] < '1' || name[0] > '3') {
        return "expected 1=, 2= or 3= before \"" + std::string(field) + "\"";
    }
    auto& track = card.tracks[name[0] - '1'];
    if (track) return "track " + std::string(name) + " given twice";
    const std::string_view value = field.substr(equals + 1);
    if (value == kFailed) return {};
    if (value.substr(0, kHexPrefix.size()) == kHexPrefix) {
        track = DecodeHex(value.substr(kHexPrefix.size()));
        if (!track) return "bad hex bytes in \"" + std::string(field) + "\"";
        return {};
    }
    track = std::string(value);
    return {};
}

bool Printable(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7e || c == ';') return false;
    }
    return text != kFailed && text.substr(0, kHexPrefix.size()) != kHexPrefix;
}

std::string Hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    return text;
}

}  // namespace

std::optional<Card> ParseCard(std::string_view line, std::string& error) {
    Card card;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(';', start), line.size());
        if (const std::string_view field = line.substr(start, end - start); !Trim(field).empty()) {
            error = AddField(field, card);
            if (!error.empty()) return std::nullopt;
        }
        start = end + 1;
    }
    return card;
}

std::vector<Card> LoadCardList(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the card list " + path;
        return {};
    }
    std::vector<Card> cards;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') continue;
        auto card = ParseCard(text, error);
        if (!card) {
            error = path + ":" + std::to_string(number) + ": " + error;
            return {};
        }
        cards.push_back(std::move(*card));
    }
    if (cards.empty()) error = "no cards in " + path;
    return cards;
}

std::vector<Card> SampleCards() {
    std::vector<Card> cards;
    std::string error;
    for (const char* line : {
             "1=B4000001234567899^TEST/CARD ONE^2512101000000000000000;"
             "2=4000001234567899=25121010000000000;"
             "3=994000001234567899=1561560000000000000003000000114000000=000000000000=000000000000",
             "1=!;2=5100009876543210=27062010000012345;3=995100009876543210=15615600000000000000",
             "1=B3700001111222233^SAMPLE/HOLDER^2901201;2=!;3=013700001111222233=0000000000",
             "1=B6011000099990001^DEMO/CARD^30011010;2=6011000099990001=30011010000000000;3=!",
         }) {
        cards.push_back(*ParseCard(line, error));
    }
    return cards;
}

std::string DescribeCard(const Card& card) {
    std::string text;
    for (int number = 1; number <= 3; ++number) {
        const auto& track = card.Track(number);
        if (!text.empty()) text += ';';
        text += std::to_string(number) + '=';
        if (!track) {
            text += kFailed;
        } else if (Printable(*track)) {
            text += *track;
        } else {
            text += std::string(kHexPrefix) + Hex(*track);
        }
    }
    return text;
}
