#pragma once

#include "dialog_template.h"

inline constexpr int IDD_ABOUTBOX = 100;

// The About box: a caption, one OK button at the bottom, the rest left to its scrolling text.
const DialogTemplate& AboutDialogTemplate();
