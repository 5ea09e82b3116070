#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>

#include "read_reply.h"

namespace readtest {

// What a line delivers: chunks of bytes that arrive together, each followed by a pause
// (an empty chunk is a read's whole time-out of silence). A read takes what its chunk
// still holds, up to the count asked for, as a serial read with time-outs does.
class ScriptedLine {
  public:
    void Add(std::string chunk) {
        chunks_.push_back(std::move(chunk));
        all_ += chunks_.back();
    }
    int32_t Read(unsigned char* buffer, int32_t count) {
        ++reads_;
        if (count == 0 || chunks_.empty()) return 0;
        std::string& chunk = chunks_.front();
        const auto n = std::min<std::size_t>(static_cast<std::size_t>(count), chunk.size());
        std::copy_n(chunk.begin(), n, buffer);
        chunk.erase(0, n);
        if (chunk.empty() || n < static_cast<std::size_t>(count)) chunks_.pop_front();
        return static_cast<int32_t>(n);
    }
    bool Exhausted() const { return chunks_.empty(); }
    const std::string& All() const { return all_; }
    long Reads() const { return reads_; }

  private:
    std::deque<std::string> chunks_;
    std::string all_;
    long reads_ = 0;
};

// A reply reader on a scripted line that ends the job once the script is used up.
inline ReplyReader ReaderOn(const DeviceProfile& profile, ScriptedLine& line) {
    return ReplyReader(
        profile, [&line](unsigned char* buffer, int32_t count) { return line.Read(buffer, count); },
        [&line] { return line.Exhausted(); });
}

}  // namespace readtest
