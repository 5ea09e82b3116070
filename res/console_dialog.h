#pragma once

#include <span>

#include "dialog_template.h"

// The operator console's resources: dialog template 102, its combo lists and icon 128.
inline constexpr int IDD_CARDDEMO_DIALOG = 102;

// Control identifiers of template 102.
enum ConsoleControlId : int {
    IDC_STATIC = -1,
    IDC_EMPTY_FRAME = 143,
    IDC_MODEL = 1002,
    IDC_DENSITY = 1003,
    IDC_FORMAT = 1004,
    IDC_BAUD = 1005,
    IDC_PARITY = 1006,
    IDC_DATA_BITS = 1007,
    IDC_STOP_BITS = 1008,
    IDC_PORT = 1009,
    IDC_COERCIVITY = 1010,
    IDC_TRACK2_TEXT = 1011,
    IDC_READ_MODE = 1015,
    IDC_WRITE_MODE = 1016,
    IDC_TRACK2_COUNT = 1018,
    IDC_RUN = 1019,
    IDC_TRACK3_TEXT = 1020,
    IDC_TRACK3_COUNT = 1021,
    IDC_TRACK1_TEXT = 1022,
    IDC_TRACK1_COUNT = 1023,
    IDC_STOP = 1024,
    IDC_TOGGLE_TRACK1 = 1030,
    IDC_TOGGLE_TRACK2 = 1031,
    IDC_TOGGLE_TRACK3 = 1032,
    IDC_TOGGLE_TRACK12 = 1033,
    IDC_TOGGLE_TRACK23 = 1034,
    IDC_CONTINUOUS = 1035,
    IDC_COUNT = 1036,
    IDC_TRACK1_START = 1037,
    IDC_TRACK1_INCREMENT = 1038,
    IDC_TRACK2_START = 1039,
    IDC_TRACK2_INCREMENT = 1040,
    IDC_TRACK3_START = 1041,
    IDC_TRACK3_INCREMENT = 1042,
    IDC_LOG = 1043,
    IDC_SETTINGS_GROUP = 1045,
};

extern const DialogTemplate kConsoleDialog;

// The items a combo box receives from the template, in the template's order; the boxes
// sort them as they go in.
struct ComboList {
    int id;
    std::span<const char* const> items;  // UTF-8
};

extern const std::span<const ComboList> kConsoleComboLists;

// The images of icon 128, one per size, as Qt resource paths.
extern const std::span<const char* const> kConsoleIconImages;
