#pragma once

#include <QString>

// The application's string resources by id; an empty string for an id with none.
QString LoadStringResource(int id);

inline constexpr int IDS_ABOUTBOX = 101;
