#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where the lines of a growing GBK log begin, so that any line can be found in the log's
// own bytes without a copy of the text. A line ends at CR LF, a lone LF or a lone CR, as
// in a text document. GBK's second bytes are never CR or LF, so breaks are found byte by
// byte.
class LogLines {
  public:
    // Takes in the bytes the log gained since the last call. A log that shrank is taken
    // as a new one.
    void Update(std::string_view log);

    // Always at least one: the line after the last break, empty or not.
    std::size_t Count() const { return starts_.size(); }
    // The line's bytes without its break; the log must be the one last given to Update.
    std::string_view Line(std::string_view log, std::size_t line) const;
    // The bytes taken in so far: a CR at the log's end waits to see whether LF follows.
    std::size_t IndexedBytes() const { return indexed_; }

  private:
    std::vector<std::size_t> starts_{0};
    std::size_t indexed_ = 0;
};
