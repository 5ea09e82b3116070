#pragma once

// The console's own commands in the menu that holds About. As system commands they are
// multiples of 16 (Windows keeps the low four bits), clear of the About entry's 16 to 31.
inline constexpr int kViewLogCommand = 0x0100;
inline constexpr int kSaveLogCommand = 0x0110;
inline constexpr int kExportRecordsCommand = 0x0120;
inline constexpr int kWriteListCommand = 0x0130;
inline constexpr int kVerifyCommand = 0x0140;
inline constexpr int kJournalCommand = 0x0150;
inline constexpr int kEraseCommand = 0x0160;
inline constexpr int kRunDigitsCommand = 0x0170;
