#include "iso7811.h"

#include <QList>

namespace {

struct TrackFormat {
    char32_t start;
    char32_t end;
    int capacity;
};

TrackFormat FormatOf(int track) {
    if (track == 1) return {U'%', U'?', 79};
    return {U';', U'?', track == 2 ? 40 : 107};
}

bool InSet(int track, char32_t c) {
    if (track == 1) return c >= 0x20 && c <= 0x5F;
    return c >= U'0' && c <= U'?';
}

}  // namespace

Iso7811Hint Iso7811HintFor(int track, const QString& text) {
    const TrackFormat format = FormatOf(track);
    const QList<uint> characters = text.toUcs4();
    Iso7811Hint hint;
    hint.capacity = format.capacity;
    for (const uint code : characters) {
        const char32_t c = code;
        const QString character = QString::fromUcs4(&c, 1);
        if (!InSet(track, c) && !hint.outside.contains(character)) hint.outside += character;
    }
    const bool started = !characters.isEmpty() && characters.front() == format.start;
    const bool ended = characters.size() > (started ? 1 : 0) && characters.back() == format.end;
    hint.length = static_cast<int>(characters.size()) + (started ? 0 : 1) + (ended ? 0 : 1) + 1;
    return hint;
}
