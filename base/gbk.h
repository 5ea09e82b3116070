#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The one place where Unicode text (the source's UTF-8, the screen's QString, list files)
// meets the GBK bytes (code page 936) of the device, the job log and card records.

// Plain conversions, line breaks left as they are.
std::string Utf8ToGbk(std::string_view utf8);
std::string GbkToUtf8(std::string_view gbk);

// Strict conversions for files: nothing when a character has no GBK code; bytes that are
// not GBK decode with replacement characters, and IsValidGbk says whether there are any.
std::optional<std::string> TextToGbk(const QString& text);
QString GbkToText(std::string_view gbk);
bool IsValidGbk(std::string_view bytes);

// Screen text may hold its line breaks as LF, CR LF, CR or the paragraph and line
// separators of Qt's text documents; in GBK every line break is CR LF, two bytes.

// The text with each of those line breaks as `lineBreak`.
QString WithLineBreaks(QString text, QStringView lineBreak);

// The screen text as GBK bytes with CR LF line breaks. Characters GBK has no code for
// become '?', as the code page's own conversion makes them.
std::string ScreenTextToGbk(const QString& text);

// The length of ScreenTextToGbk(text), in bytes.
int GbkByteLength(const QString& text);

// Whether every character of the text has a GBK code (line breaks always do).
bool GbkCanEncode(const QString& text);

// Decodes GBK text that comes in pieces (a growing log): a character split between two
// pieces comes out whole with the second.
class GbkChunkDecoder {
  public:
    QString Decode(std::string_view gbk);

  private:
    std::string pendingLead_;
};

// GbkChunkDecoder for showing: a CR LF split between two pieces comes out whole too, and
// every CR LF becomes one LF.
class GbkScreenDecoder {
  public:
    QString Decode(std::string_view gbk);

  private:
    GbkChunkDecoder decoder_;
    bool pendingCr_ = false;
};
