#pragma once

#include <chrono>
#include <fstream>
#include <string>
#include <string_view>

// A timestamped hex record of every byte that crosses the line, both ways:
//   +000123.456 <- 1b 72 35      (console to device)
//   +000125.002 -> 1b 73 ...     (device to console)
class Transcript {
  public:
    bool Open(const std::string& path);
    void Received(std::string_view bytes) { Write("<-", bytes); }
    void Sent(std::string_view bytes) { Write("->", bytes); }

  private:
    void Write(const char* direction, std::string_view bytes);
    std::ofstream out_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};
