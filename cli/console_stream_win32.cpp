#include <windows.h>

#include <streambuf>
#include <string>

#include "console_stream.h"

namespace {

// UTF-8 as it comes, written to the console as far as its characters are whole: a character
// split between two writes waits for its rest.
class WideConsoleBuffer : public std::streambuf {
  public:
    explicit WideConsoleBuffer(HANDLE console) : console_(console) {}

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        xsputn(&byte, 1);
        return c;
    }

    std::streamsize xsputn(const char* text, std::streamsize size) override {
        pending_.append(text, static_cast<std::size_t>(size));
        const std::size_t whole = WholeCharacters();
        const int wideSize =
            MultiByteToWideChar(CP_UTF8, 0, pending_.data(), int(whole), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), int(whole), wide.data(), wideSize);
        DWORD written = 0;
        if (wideSize > 0 &&
            !WriteConsoleW(console_, wide.data(), DWORD(wideSize), &written, nullptr))
            return 0;
        pending_.erase(0, whole);
        return size;
    }

  private:
    // The length of pending_ without an unfinished last character.
    std::size_t WholeCharacters() const {
        const std::size_t size = pending_.size();
        for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
            const auto byte = static_cast<unsigned char>(pending_[size - back]);
            if ((byte & 0xC0) != 0x80) {  // the last character's first byte
                const std::size_t length = byte >= 0xF0   ? 4
                                           : byte >= 0xE0 ? 3
                                           : byte >= 0xC0 ? 2
                                                          : 1;
                return length > back ? size - back : size;
            }
        }
        return size;
    }

    HANDLE console_;
    std::string pending_;
};

class WideConsoleOstream : public std::ostream {
  public:
    explicit WideConsoleOstream(HANDLE console) : std::ostream(&buffer_), buffer_(console) {}

  private:
    WideConsoleBuffer buffer_;
};

}  // namespace

std::unique_ptr<std::ostream> WideConsoleStream(int standardHandle) {
    const HANDLE handle = GetStdHandle(standardHandle == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !GetConsoleMode(handle, &mode)) return nullptr;
    return std::make_unique<WideConsoleOstream>(handle);
}
