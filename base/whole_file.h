#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// "PATH: 无法写入：<reason>" (UTF-8): why a file could not be written, the reason being the
// system's.
std::string CannotWriteFile(const QString& path, std::string_view reason);

// Replaces the file at `path` with `bytes` through a temporary file beside it, so the
// file is either the new one, whole, or the old one untouched. On failure the result is
// CannotWriteFile's and nothing else has changed.
std::optional<std::string> WriteFileWhole(const QString& path, std::string_view bytes);

// Takes the bytes of a file piece by piece, in order.
using ByteSink = std::function<void(std::string_view bytes)>;

// The same, the bytes made piece by piece by `produce` and written as they come, so that
// a large file is never held whole.
std::optional<std::string> WriteFileWhole(const QString& path,
                                          const std::function<void(const ByteSink&)>& produce);
