#include "grid/base/html_controls.h"

#include "grid/base/html_entities.h"
#include "platform/rtl/numbers.h"

#include <vector>

namespace {

const QString kControlOpen = QStringLiteral("<CONTROL ");

// One tag in a text: [start, end) covers "<CONTROL ... >".
struct ControlSpan {
  qsizetype start = 0;
  qsizetype end = 0;
  THtmlControlTag tag;
};

// Index of the ">" that ends the tag opened at `start`, outside double quotes;
// -1 when there is none.
qsizetype tagEnd(const QString& text, qsizetype start) {
  bool quoted = false;
  for (qsizetype i = start; i < text.size(); ++i) {
    if (text[i] == u'"') quoted = !quoted;
    else if (text[i] == u'>' && !quoted) return i;
  }
  return -1;
}

// Every well-formed CONTROL tag of the text, in order; a tag without its ">"
// ends the scan.
std::vector<ControlSpan> findControls(const QString& text) {
  std::vector<ControlSpan> spans;
  qsizetype from = 0;
  for (;;) {
    const qsizetype start = text.indexOf(kControlOpen, from, Qt::CaseInsensitive);
    if (start < 0) break;
    const qsizetype close = tagEnd(text, start);
    if (close < 0) break;
    spans.push_back({start, close + 1, ParseHtmlControlTag(text.mid(start, close + 1 - start))});
    from = close + 1;
  }
  return spans;
}

// Position just after "NAME=" in the tag, outside double quotes and preceded by a
// blank (so that "ID" does not match inside "WIDTH"); -1 when absent.
qsizetype attributeValueStart(const QString& tag, QStringView name) {
  bool quoted = false;
  for (qsizetype i = 0; i < tag.size(); ++i) {
    if (tag[i] == u'"') quoted = !quoted;
    if (quoted || i == 0 || tag[i - 1] != u' ') continue;
    if (!QStringView(tag).mid(i).startsWith(name, Qt::CaseInsensitive)) continue;
    qsizetype j = i + name.size();
    while (j < tag.size() && tag[j] == u' ') ++j;
    if (j < tag.size() && tag[j] == u'=') return j + 1;
  }
  return -1;
}

QString attribute(const QString& tag, QStringView name) {
  const qsizetype at = attributeValueStart(tag, name);
  if (at < 0) return {};
  const qsizetype open = tag.indexOf(u'"', at);
  if (open < 0) return {};
  const qsizetype close = tag.indexOf(u'"', open + 1);
  if (close < 0) return {};
  return tag.mid(open + 1, close - open - 1);
}

const ControlSpan* findById(const std::vector<ControlSpan>& spans, const QString& id) {
  for (const ControlSpan& s : spans)
    if (s.tag.Id == id) return &s;
  return nullptr;
}

QString quoted(const QString& v) { return u'"' + v + u'"'; }

QString rewrittenTag(const THtmlControlTag& tag, const QString& value) {
  QString s = QStringLiteral("<CONTROL ID=") + quoted(tag.Id) + QStringLiteral(" VALUE=") +
              quoted(HtmlEncodeEntities(value, true)) + QStringLiteral(" WIDTH=") + quoted(tag.Width) +
              QStringLiteral(" TYPE=") + quoted(tag.Type);
  if (!tag.Prop.isEmpty()) s += QStringLiteral(" PROP=") + quoted(HtmlEncodeEntities(tag.Prop, true));
  if (!tag.MaxLen.isEmpty()) s += QStringLiteral(" MAXLEN=") + quoted(tag.MaxLen);
  return s + u'>';
}

}  // namespace

THtmlControlTag ParseHtmlControlTag(const QString& Tag) {
  THtmlControlTag t;
  t.Type = attribute(Tag, u"TYPE").toUpper();
  t.Id = attribute(Tag, u"ID");
  t.Value = HtmlDecodeEntities(attribute(Tag, u"VALUE"), true);
  t.Width = attribute(Tag, u"WIDTH");
  t.Height = attribute(Tag, u"HEIGHT");
  t.Prop = HtmlDecodeEntities(attribute(Tag, u"PROP"), true);
  t.MaxLen = attribute(Tag, u"MAXLEN");
  return t;
}

bool HasHtmlControls(const QString& Text) { return Text.contains(QStringLiteral("<CONTROL"), Qt::CaseInsensitive); }

QString NextHtmlControlId(const QString& Text, const QString& Id) {
  bool passed = Id.isEmpty();
  for (const ControlSpan& s : findControls(Text)) {
    if (!passed) {
      passed = s.tag.Id == Id;
      continue;
    }
    const QString& type = s.tag.Type;
    if (type != u"BUTTON" && type != u"CHECK" && type != u"RADIO") return s.tag.Id;
  }
  return {};
}

bool GetHtmlControlValue(const QString& Text, const QString& Id, QString& Value) {
  const auto spans = findControls(Text);
  const ControlSpan* s = findById(spans, Id);
  if (!s) return false;
  Value = s->tag.Value;
  return true;
}

QString GetHtmlControlProp(const QString& Text, const QString& Id) {
  const auto spans = findControls(Text);
  const ControlSpan* s = findById(spans, Id);
  return s ? s->tag.Prop : QString();
}

int GetHtmlControlMaxLen(const QString& Text, const QString& Id) {
  const auto spans = findControls(Text);
  const ControlSpan* s = findById(spans, Id);
  return s ? StrToIntDef(s->tag.MaxLen, 0) : 0;
}

bool SetHtmlControlValue(QString& Text, const QString& Id, const QString& Value) {
  const auto spans = findControls(Text);
  const ControlSpan* s = findById(spans, Id);
  if (!s) return false;
  Text.replace(s->start, s->end - s->start, rewrittenTag(s->tag, Value));
  return true;
}

QString ClearHtmlRadioControls(const QString& Text) {
  QString result = Text;
  const auto spans = findControls(Text);
  // From the back, so that the earlier spans keep their positions.
  for (auto it = spans.rbegin(); it != spans.rend(); ++it)
    if (it->tag.Type == u"RADIO") result.replace(it->start, it->end - it->start, rewrittenTag(it->tag, QStringLiteral("FALSE")));
  return result;
}
