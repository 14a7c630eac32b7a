#include "grid/base/html_entities.h"

#include <array>

namespace {

struct Entity {
  char16_t ch;
  const char16_t* name;
};

constexpr std::array<Entity, 4> kBasicEntities = {{
    {u'<', u"&lt;"},
    {u'>', u"&gt;"},
    {u'&', u"&amp;"},
    {u'"', u"&quot;"},
}};

// The accented letters and signs of the Western European character set, in the
// order the conversions walk them.
constexpr std::array<Entity, 51> kSpecialEntities = {{
    {u'\u00E9', u"&eacute;"}, {u'\u00E8', u"&egrave;"}, {u'\u00EB', u"&euml;"},   {u'\u00EA', u"&ecirc;"},
    {u'\u00F3', u"&oacute;"}, {u'\u00F2', u"&ograve;"}, {u'\u00F6', u"&ouml;"},   {u'\u00F4', u"&ocirc;"},
    {u'\u00ED', u"&iacute;"}, {u'\u00EC', u"&igrave;"}, {u'\u00EF', u"&iuml;"},   {u'\u00EE', u"&icirc;"},
    {u'\u00FA', u"&uacute;"}, {u'\u00F9', u"&ugrave;"}, {u'\u00FC', u"&uuml;"},   {u'\u00FB', u"&ucirc;"},
    {u'\u00E1', u"&aacute;"}, {u'\u00E0', u"&agrave;"}, {u'\u00E4', u"&auml;"},   {u'\u00E2', u"&acirc;"},
    {u'\u00C9', u"&Eacute;"}, {u'\u00C8', u"&Egrave;"}, {u'\u00CB', u"&Euml;"},   {u'\u00CA', u"&Ecirc;"},
    {u'\u00D3', u"&Oacute;"}, {u'\u00D2', u"&Ograve;"}, {u'\u00D6', u"&Ouml;"},   {u'\u00D4', u"&Ocirc;"},
    {u'\u00CD', u"&Iacute;"}, {u'\u00CC', u"&Igrave;"}, {u'\u00CF', u"&Iuml;"},   {u'\u00CE', u"&Icirc;"},
    {u'\u00DA', u"&Uacute;"}, {u'\u00D9', u"&Ugrave;"}, {u'\u00DC', u"&Uuml;"},   {u'\u00DB', u"&Ucirc;"},
    {u'\u00C1', u"&Aacute;"}, {u'\u00C0', u"&Agrave;"}, {u'\u00C4', u"&Auml;"},   {u'\u00C2', u"&Acirc;"},
    {u'\u00E7', u"&ccedil;"}, {u'\u00C7', u"&Ccedil;"}, {u'\u00F8', u"&oslash;"}, {u'\u00D8', u"&Oslash;"},
    {u'\u00E5', u"&aring;"},  {u'\u00C5', u"&Aring;"},  {u'\u00A9', u"&copy;"},   {u'\u00AE', u"&reg;"},
    {u'\u20AC', u"&euro;"},   {u'\u00AB', u"&laquo;"},  {u'\u00BB', u"&raquo;"},
}};

// The entity of the table that starts at `at`, or nullptr.
template <size_t N>
const Entity* entityAt(const std::array<Entity, N>& table, const QString& text, qsizetype at) {
  for (const Entity& e : table)
    if (QStringView(text).mid(at).startsWith(QStringView(e.name))) return &e;
  return nullptr;
}

template <size_t N>
const Entity* entityOf(const std::array<Entity, N>& table, QChar c) {
  for (const Entity& e : table)
    if (c == QChar(e.ch)) return &e;
  return nullptr;
}

}  // namespace

QString HtmlDecodeEntities(const QString& Text, bool WithSpecial) {
  if (!Text.contains(u'&')) return Text;
  QString result;
  result.reserve(Text.size());
  qsizetype i = 0;
  while (i < Text.size()) {
    const Entity* e = nullptr;
    if (Text[i] == u'&') {
      e = entityAt(kBasicEntities, Text, i);
      if (!e && WithSpecial) e = entityAt(kSpecialEntities, Text, i);
    }
    if (!e) {
      result += Text[i++];
      continue;
    }
    result += QChar(e->ch);
    i += QStringView(e->name).size();
  }
  return result;
}

QString HtmlEncodeEntities(const QString& Text, bool WithSpecial) {
  QString result;
  result.reserve(Text.size());
  for (QChar c : Text) {
    const Entity* e = entityOf(kBasicEntities, c);
    if (!e && WithSpecial) e = entityOf(kSpecialEntities, c);
    if (e) result += QStringView(e->name);
    else result += c;
  }
  return result;
}

QString SpacesToNbsp(const QString& Text) {
  QString result = Text;
  return result.replace(u' ', QStringLiteral("&nbsp;"));
}

QString StripHtmlToText(const QString& Text) {
  QString s = Text;
  s.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  s.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
  QString result;
  result.reserve(s.size());
  qsizetype i = 0;
  while (i < s.size()) {
    if (s[i] != u'<') {
      result += s[i++];
      continue;
    }
    const qsizetype close = s.indexOf(u'>', i + 1);
    if (close < 0) {
      result += QStringView(s).mid(i);
      break;
    }
    i = close + 1;
  }
  return result;
}

QString StripHtmlTagsSimple(const QString& Text) {
  QString result;
  QStringView rest(Text);
  for (;;) {
    const qsizetype lt = rest.indexOf(u'<');
    const qsizetype gt = rest.indexOf(u'>');
    if (lt < 0 || gt < 0 || gt < lt) {
      result += rest;
      return result;
    }
    result += rest.left(lt);
    rest = rest.mid(gt + 1);
  }
}

QString LineBreaksToBrTags(const QString& Text, bool WithBr) {
  QString result = Text;
  result.remove(QChar(10));
  if (WithBr) return result.replace(QChar(13), QStringLiteral("<BR>"));
  return result.remove(QChar(13));
}

QString UnwrapHashMarkers(const QString& Text) {
  QString result = Text;
  qsizetype at = result.indexOf(QStringLiteral("<#"));
  while (at >= 0) {
    result.remove(at, 1);
    const qsizetype close = result.indexOf(u'>', at);
    if (close >= 0) result.remove(close, 1);
    at = result.indexOf(QStringLiteral("<#"), at);
  }
  return result;
}
