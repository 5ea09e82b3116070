#include "cardctl_text.h"

std::string Filled(const QString& message, std::initializer_list<std::string_view> values) {
    const std::string text = message.toStdString();
    std::string filled;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t place = at + 1 < text.size() ? std::size_t(text[at + 1] - '1') : 9;
        if (text[at] == '%' && place < values.size()) {
            filled += *(values.begin() + place);
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

std::string CardctlLine(const QString& message, std::initializer_list<std::string_view> values) {
    return "cardctl: " + Filled(message, values);
}
