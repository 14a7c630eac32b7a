#include "platform/ui/rich_text_rtf.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

constexpr int kMaxDepth = 256;  // deeper groups are read as one level

struct State {
  int Offset = 0;
  int SkipCount = 1;     // fallback characters after \uN (\ucN)
  bool Skip = false;     // a destination that holds no text
};

// Groups whose text is no part of the document's text.
constexpr std::u16string_view kSkippedDestinations[] = {
    u"fonttbl",  u"colortbl",     u"stylesheet", u"info",      u"pict",       u"object",
    u"header",   u"headerl",      u"headerr",    u"headerf",   u"footer",     u"footerl",
    u"footerr",  u"footerf",      u"footnote",   u"fldinst",   u"listtable",  u"listoverridetable",
    u"revtbl",   u"rsidtbl",      u"generator",  u"xmlnstbl",  u"themedata",  u"colorschememapping",
    u"latentstyles", u"datastore", u"filetbl",   u"pgdsctbl",  u"mmathPr",    u"shppict"};

// Control words that stand for one character.
struct TNamedChar {
  std::u16string_view Word;
  char16_t Char;
};
constexpr TNamedChar kNamedChars[] = {
    {u"tab", u'\t'},      {u"emdash", 0x2014},  {u"endash", 0x2013},    {u"bullet", 0x2022},
    {u"lquote", 0x2018},  {u"rquote", 0x2019},  {u"ldblquote", 0x201C}, {u"rdblquote", 0x201D},
    {u"emspace", 0x2003}, {u"enspace", 0x2002}, {u"qmspace", 0x2005},
};

bool IsLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
int HexValue(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

class Reader {
public:
  explicit Reader(const QString& s) : b_(s) {}

  TRichRuns Read() {
    std::vector<State> stack{State{}};
    int fallback = 0;  // fallback characters still to skip after \uN
    bool firstInGroup = false;
    int deepExtra = 0;
    while (i_ < b_.size()) {
      const char16_t c = b_[i_].unicode();
      if (c == u'{') {
        ++i_;
        if (stack.size() < kMaxDepth) stack.push_back(stack.back());
        else ++deepExtra;
        firstInGroup = true;
        fallback = 0;
        continue;
      }
      if (c == u'}') {
        ++i_;
        if (deepExtra > 0) --deepExtra;
        else if (stack.size() > 1) stack.pop_back();
        firstInGroup = false;
        fallback = 0;
        continue;
      }
      State& st = stack.back();
      if (c == u'\\') {
        const bool wasFirst = firstInGroup;
        firstInGroup = false;
        ReadControl(st, wasFirst, fallback);
        continue;
      }
      firstInGroup = false;
      ++i_;
      if (c == u'\r' || c == u'\n') continue;
      Put(QChar(c), st, fallback);
    }
    // The paragraph end that closes the document.
    if (!runs_.empty() && lastWasPar_ && runs_.back().Text.endsWith(u'\n')) runs_.back().Text.chop(1);
    return NormalizeRichRuns(runs_);
  }

private:
  // One character of the document; the fallback characters of a \uN are skipped.
  void Put(QChar ch, const State& st, int& fallback) {
    if (fallback > 0) {
      --fallback;
      return;
    }
    if (!st.Skip) Add(ch, st.Offset);
  }

  void Add(QChar ch, int offset) {
    lastWasPar_ = false;
    if (runs_.empty() || runs_.back().Offset != offset) runs_.push_back({QString(), offset});
    runs_.back().Text.append(ch);
  }

  void ReadControl(State& st, bool firstInGroup, int& fallback) {
    ++i_;  // the backslash
    if (i_ >= b_.size()) return;
    const char16_t c = b_[i_].unicode();
    if (!IsLetter(c)) {
      ++i_;
      switch (c) {
        case u'\\':
        case u'{':
        case u'}': Put(QChar(c), st, fallback); return;
        case u'\'': {
          int v = -1;
          if (i_ + 1 < b_.size()) {
            const int h = HexValue(b_[i_].unicode()), l = HexValue(b_[i_ + 1].unicode());
            if (h >= 0 && l >= 0) v = h * 16 + l;
          }
          if (v < 0) return;
          i_ += 2;
          Put(QChar(v), st, fallback);  // the byte as a Latin-1 character
          return;
        }
        case u'*': st.Skip = true; return;
        case u'~': Put(QChar(0xA0), st, fallback); return;  // non-breaking space
        case u'_': Put(QChar(u'-'), st, fallback); return;  // non-breaking hyphen
        case u'\r':
        case u'\n':
          if (!st.Skip) Paragraph(st);
          return;
        default: return;  // \- and the other symbols
      }
    }
    // A control word: letters, then an optional signed number, then one blank.
    const qsizetype start = i_;
    while (i_ < b_.size() && IsLetter(b_[i_].unicode()) && i_ - start < 32) ++i_;
    const std::u16string_view word(reinterpret_cast<const char16_t*>(b_.utf16()) + start,
                                   static_cast<size_t>(i_ - start));
    bool negative = false;
    long long number = 0;
    if (i_ + 1 < b_.size() && b_[i_] == u'-' && IsDigit(b_[i_ + 1].unicode())) {
      negative = true;
      ++i_;
    }
    const qsizetype digits = i_;
    while (i_ < b_.size() && IsDigit(b_[i_].unicode())) {
      if (i_ - digits < 10) number = number * 10 + (b_[i_].unicode() - u'0');
      ++i_;
    }
    const bool hasNumber = i_ > digits;
    if (negative) number = -number;
    if (i_ < b_.size() && b_[i_] == u' ') ++i_;
    const int n = static_cast<int>(std::clamp<long long>(number, -1000000, 1000000));

    if (word == u"bin") {
      // Binary data: skipped whole.
      i_ = std::min<qsizetype>(b_.size(), i_ + std::max(0, n));
      return;
    }
    if (firstInGroup && std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
                            std::end(kSkippedDestinations)) {
      st.Skip = true;
      return;
    }
    if (word == u"par" || word == u"line" || word == u"sect" || word == u"page") {
      if (!st.Skip) Paragraph(st);
      return;
    }
    if (word == u"u" && hasNumber) {
      const int code = n < 0 ? n + 65536 : n;
      if (!st.Skip && code > 0 && code <= 0xFFFF) Add(QChar(static_cast<char16_t>(code)), st.Offset);
      fallback = st.SkipCount;
      return;
    }
    if (word == u"uc") {
      st.SkipCount = hasNumber ? std::clamp(n, 0, 16) : 1;
      return;
    }
    if (st.Skip) return;
    if (word == u"up") {
      st.Offset = (hasNumber ? n : 6) * 10;
    } else if (word == u"dn") {
      st.Offset = -(hasNumber ? n : 6) * 10;
    } else if (word == u"super") {
      st.Offset = 40;
    } else if (word == u"sub") {
      st.Offset = -40;
    } else if (word == u"nosupersub" || word == u"plain") {
      st.Offset = 0;
    } else {
      for (const TNamedChar& named : kNamedChars)
        if (word == named.Word) {
          Put(QChar(named.Char), st, fallback);
          break;
        }
    }
  }

  void Paragraph(const State& st) {
    Add(QChar(u'\n'), st.Offset);
    lastWasPar_ = true;
  }

  const QString& b_;
  qsizetype i_ = 0;
  TRichRuns runs_;
  bool lastWasPar_ = false;
};

void AppendEscaped(QByteArray& out, const QString& text) {
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u == u'\n') {
      out += "\\par\n";
    } else if (u == u'\t') {
      out += "\\tab ";
    } else if (u == u'\\' || u == u'{' || u == u'}') {
      out += '\\';
      out += static_cast<char>(u);
    } else if (u >= 0x20 && u < 0x7F) {
      out += static_cast<char>(u);
    } else if (u >= 0x80 && u <= 0xFF) {
      static const char hex[] = "0123456789abcdef";
      out += "\\'";
      out += hex[u >> 4];
      out += hex[u & 15];
    } else if (u > 0xFF) {
      out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + '?';
    }
  }
}

}  // namespace

TRichRuns NormalizeRichRuns(const TRichRuns& Runs) {
  TRichRuns out;
  for (const TRichRun& r : Runs) {
    if (r.Text.isEmpty()) continue;
    if (!out.empty() && out.back().Offset == r.Offset)
      out.back().Text += r.Text;
    else
      out.push_back(r);
  }
  return out;
}

bool IsRtfText(const QByteArray& Bytes) { return Bytes.startsWith("{\\rtf"); }

TRichRuns ReadRtf(const QString& Rtf) { return Reader(Rtf).Read(); }

TRichRuns ReadRichText(const QByteArray& Bytes) {
  if (IsRtfText(Bytes)) return ReadRtf(QString::fromLatin1(Bytes));
  QString text = QString::fromLatin1(Bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return NormalizeRichRuns({{text, 0}});
}

QByteArray WriteRichText(const TRichRuns& Runs, const QString& FontName, int FontSize) {
  QByteArray out = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil ";
  AppendEscaped(out, FontName);
  out += ";}}\n\\uc1\\pard\\f0\\fs" + QByteArray::number(std::clamp(FontSize, 1, 1638) * 2) + ' ';
  int offset = 0;
  for (const TRichRun& r : NormalizeRichRuns(Runs)) {
    if (r.Offset != offset) {
      const int half = std::abs(r.Offset) / 10;
      out += r.Offset > 0 ? "\\up" : "\\dn";
      out += QByteArray::number(r.Offset == 0 ? 0 : half) + ' ';
      offset = r.Offset;
    }
    AppendEscaped(out, r.Text);
  }
  if (offset != 0) out += "\\up0 ";
  out += "\\par\n}\n";
  return out;
}
