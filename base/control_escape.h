#pragma once

#include <string>
#include <string_view>

// Text for people, made safe to show: a terminal acts on control bytes that a card or a
// file chose (retitling it, clearing it, typing into the shell), so they are shown
// escaped instead of sent.
//
// Input is taken as UTF-8. Line breaks (LF, and CR directly before LF) stay, so text
// keeps its lines. Every other C0 byte, DEL and every byte that is not part of valid
// UTF-8 becomes \xNN; the C1 controls U+0080 to U+009F become \u0080 to \u009f; a
// backslash becomes \\, so two different texts never look the same.
std::string EscapeControls(std::string_view text);
