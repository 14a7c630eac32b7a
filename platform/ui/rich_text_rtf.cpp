#include "platform/ui/rich_text_rtf.h"

#include <algorithm>

namespace {

constexpr int kMaxDepth = 256;  // deeper groups are read as one level

struct State {
  int Offset = 0;
  int SkipCount = 1;     // fallback characters after \uN (\ucN)
  bool Skip = false;     // a destination that holds no text
};

class Reader {
public:
  explicit Reader(const QByteArray& b) : b_(b) {}

  TRichRuns Read() {
    std::vector<State> stack{State{}};
    int fallback = 0;  // fallback characters still to skip after \uN
    bool firstInGroup = false;
    int deepExtra = 0;
    while (i_ < b_.size()) {
      const char c = b_[i_];
      if (c == '{') {
        ++i_;
        if (stack.size() < kMaxDepth) stack.push_back(stack.back());
        else ++deepExtra;
        firstInGroup = true;
        fallback = 0;
        continue;
      }
      if (c == '}') {
        ++i_;
        if (deepExtra > 0) --deepExtra;
        else if (stack.size() > 1) stack.pop_back();
        firstInGroup = false;
        fallback = 0;
        continue;
      }
      State& st = stack.back();
      if (c == '\\') {
        const bool wasFirst = firstInGroup;
        firstInGroup = false;
        ReadControl(st, wasFirst, fallback);
        continue;
      }
      firstInGroup = false;
      ++i_;
      if (c == '\r' || c == '\n') continue;
      if (fallback > 0) {
        --fallback;
        continue;
      }
      if (!st.Skip) Add(QChar(static_cast<unsigned char>(c)), st.Offset);
    }
    // The paragraph end that closes the document.
    if (!runs_.empty() && lastWasPar_ && runs_.back().Text.endsWith(u'\n')) runs_.back().Text.chop(1);
    return NormalizeRichRuns(runs_);
  }

private:
  void Add(QChar ch, int offset) {
    lastWasPar_ = false;
    if (runs_.empty() || runs_.back().Offset != offset) runs_.push_back({QString(), offset});
    runs_.back().Text.append(ch);
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void ReadControl(State& st, bool firstInGroup, int& fallback) {
    ++i_;  // the backslash
    if (i_ >= b_.size()) return;
    const char c = b_[i_];
    if (!IsLetter(c)) {
      ++i_;
      switch (c) {
        case '\\':
        case '{':
        case '}':
          if (fallback > 0) --fallback;
          else if (!st.Skip) Add(QChar(c), st.Offset);
          return;
        case '\'': {
          int v = -1;
          if (i_ + 1 < b_.size()) {
            const int h = HexValue(b_[i_]), l = HexValue(b_[i_ + 1]);
            if (h >= 0 && l >= 0) v = h * 16 + l;
          }
          if (v < 0) return;
          i_ += 2;
          if (fallback > 0) --fallback;
          else if (!st.Skip) Add(QChar(v), st.Offset);
          return;
        }
        case '*': st.Skip = true; return;
        case '~':
          if (!st.Skip) Add(QChar(u' '), st.Offset);
          return;
        case '\r':
        case '\n':
          if (!st.Skip) Paragraph(st);
          return;
        default: return;  // \- \_ and the other symbols
      }
    }
    // A control word: letters, then an optional signed number, then one blank.
    const qsizetype start = i_;
    while (i_ < b_.size() && IsLetter(b_[i_]) && i_ - start < 32) ++i_;
    const QByteArray word = b_.mid(start, i_ - start);
    bool hasNumber = false;
    bool negative = false;
    long long number = 0;
    if (i_ < b_.size() && b_[i_] == '-') {
      negative = true;
      ++i_;
    }
    const qsizetype digits = i_;
    while (i_ < b_.size() && b_[i_] >= '0' && b_[i_] <= '9') {
      if (i_ - digits < 10) number = number * 10 + (b_[i_] - '0');
      ++i_;
    }
    hasNumber = i_ > digits;
    if (negative) number = -number;
    if (i_ < b_.size() && b_[i_] == ' ') ++i_;
    const int n = static_cast<int>(std::clamp<long long>(number, -1000000, 1000000));

    if (word == "bin") {
      // Binary data: skipped whole.
      i_ = std::min<qsizetype>(b_.size(), i_ + std::max(0, n));
      return;
    }
    if (firstInGroup && (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" ||
                         word == "pict" || word == "header" || word == "footer" || word == "object" ||
                         word == "listtable" || word == "listoverridetable" || word == "generator")) {
      st.Skip = true;
      return;
    }
    if (word == "par" || word == "line") {
      if (!st.Skip) Paragraph(st);
      return;
    }
    if (st.Skip) return;
    if (word == "tab") {
      Add(QChar(u'\t'), st.Offset);
    } else if (word == "u" && hasNumber) {
      const int code = n < 0 ? n + 65536 : n;
      if (code > 0 && code <= 0xFFFF) Add(QChar(static_cast<char16_t>(code)), st.Offset);
      fallback = st.SkipCount;
    } else if (word == "uc" && hasNumber) {
      st.SkipCount = std::clamp(n, 0, 16);
    } else if (word == "up") {
      st.Offset = (hasNumber ? n : 6) * 10;
    } else if (word == "dn") {
      st.Offset = -(hasNumber ? n : 6) * 10;
    } else if (word == "super") {
      st.Offset = 40;
    } else if (word == "sub") {
      st.Offset = -40;
    } else if (word == "nosupersub" || word == "plain") {
      st.Offset = 0;
    }
  }

  void Paragraph(const State& st) {
    Add(QChar(u'\n'), st.Offset);
    lastWasPar_ = true;
  }

  const QByteArray& b_;
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

TRichRuns ReadRichText(const QByteArray& Bytes) {
  if (IsRtfText(Bytes)) return Reader(Bytes).Read();
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
