#include "grid/base/rtf_text.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

// Groups whose text is no part of the document's text.
constexpr std::u16string_view kSkippedDestinations[] = {
    u"fonttbl",  u"colortbl",   u"stylesheet", u"info",      u"pict",       u"object",
    u"header",   u"headerl",    u"headerr",    u"headerf",   u"footer",     u"footerl",
    u"footerr",  u"footerf",    u"footnote",   u"fldinst",   u"listtable",  u"listoverridetable",
    u"revtbl",   u"rsidtbl",    u"generator",  u"xmlnstbl",  u"themedata",  u"colorschememapping",
    u"latentstyles", u"datastore", u"filetbl", u"pgdsctbl", u"mmathPr",    u"shppict"};

// Named characters.
struct TNamedChar {
  std::u16string_view Word;
  char16_t Char;
};
constexpr TNamedChar kNamedChars[] = {
    {u"tab", u'\t'},       {u"emdash", 0x2014}, {u"endash", 0x2013},    {u"bullet", 0x2022},
    {u"lquote", 0x2018},   {u"rquote", 0x2019}, {u"ldblquote", 0x201C}, {u"rdblquote", 0x201D},
    {u"emspace", 0x2003},  {u"enspace", 0x2002}, {u"qmspace", 0x2005},
};

struct TGroupState {
  bool Skip = false;
  int FallbackCount = 1;  // \ucN: characters that stand in for a \u character
};

bool IsLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

int HexValue(QChar c) {
  if (IsDigit(c)) return c.unicode() - u'0';
  if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  return -1;
}

}  // namespace

QString RtfToPlainText(const QString& Rtf) {
  QString out;
  std::vector<TGroupState> stack;
  TGroupState state;
  int pendingFallback = 0;  // characters still to skip after a \u character
  const qsizetype n = Rtf.size();
  // One character of the document (fallback characters of a \u skipped).
  auto put = [&](QChar c) {
    if (pendingFallback > 0) {
      --pendingFallback;
      return;
    }
    if (!state.Skip) out += c;
  };
  qsizetype i = 0;
  while (i < n) {
    const QChar c = Rtf[i];
    if (c == u'{') {
      stack.push_back(state);
      pendingFallback = 0;
      ++i;
      continue;
    }
    if (c == u'}') {
      if (!stack.empty()) {
        state = stack.back();
        stack.pop_back();
      }
      pendingFallback = 0;
      ++i;
      continue;
    }
    if (c == u'\r' || c == u'\n') {
      ++i;
      continue;
    }
    if (c != u'\\') {
      put(c);
      ++i;
      continue;
    }
    // A control symbol or control word.
    if (i + 1 >= n) break;
    const QChar s = Rtf[i + 1];
    if (s == u'\\' || s == u'{' || s == u'}') {
      put(s);
      i += 2;
      continue;
    }
    if (s == u'\'') {
      const int hi = i + 2 < n ? HexValue(Rtf[i + 2]) : -1;
      const int lo = i + 3 < n ? HexValue(Rtf[i + 3]) : -1;
      if (hi >= 0 && lo >= 0) {
        put(QChar(static_cast<char16_t>(hi * 16 + lo)));  // Latin-1
        i += 4;
      } else {
        i += 2;
      }
      continue;
    }
    if (s == u'*') {
      state.Skip = true;  // an ignorable destination
      i += 2;
      continue;
    }
    if (!IsLetter(s)) {
      if (s == u'~') put(QChar(0xA0));
      else if (s == u'_') put(u'-');
      i += 2;
      continue;
    }
    qsizetype j = i + 1;
    while (j < n && IsLetter(Rtf[j])) ++j;
    const QString word = Rtf.mid(i + 1, j - i - 1);
    bool hasParam = false;
    bool negative = false;
    long long param = 0;
    if (j < n && Rtf[j] == u'-' && j + 1 < n && IsDigit(Rtf[j + 1])) {
      negative = true;
      ++j;
    }
    int digits = 0;
    while (j < n && IsDigit(Rtf[j])) {
      if (digits < 10) param = param * 10 + (Rtf[j].unicode() - u'0');
      ++digits;
      hasParam = true;
      ++j;
    }
    if (negative) param = -param;
    if (j < n && Rtf[j] == u' ') ++j;  // the delimiting blank belongs to the word
    i = j;
    const std::u16string_view w(reinterpret_cast<const char16_t*>(word.utf16()), word.size());
    if (std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), w) != std::end(kSkippedDestinations)) {
      state.Skip = true;
      continue;
    }
    if (w == u"par" || w == u"line" || w == u"sect" || w == u"page") {
      if (!state.Skip) out += QStringLiteral("\r\n");
      continue;
    }
    if (w == u"uc") {
      state.FallbackCount = hasParam ? static_cast<int>(std::clamp<long long>(param, 0, 16)) : 1;
      continue;
    }
    if (w == u"u" && hasParam) {
      long long code = param < 0 ? param + 65536 : param;
      if (code >= 0 && code <= 0xFFFF && !state.Skip) out += QChar(static_cast<char16_t>(code));
      pendingFallback = state.FallbackCount;
      continue;
    }
    for (const TNamedChar& named : kNamedChars)
      if (w == named.Word) {
        put(QChar(named.Char));
        break;
      }
  }
  if (out.endsWith(QStringLiteral("\r\n"))) out.chop(2);
  return out;
}
