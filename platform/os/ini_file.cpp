#include "platform/os/ini_file.h"

#include "platform/os/files.h"
#include "platform/rtl/numbers.h"

#include <algorithm>

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

TMemIniFile::TMemIniFile(const QString& FileName) : fileName_(FileName) {
  if (FileName.isEmpty() || !FileExists(FileName)) return;
  try {
    SetText(QString::fromUtf8(ReadFileWhole(FileName)));
  } catch (const std::exception&) {
    sections_.clear();  // an unreadable file reads as empty
  }
}

const TMemIniFile::Section* TMemIniFile::find(const QString& name) const {
  for (const Section& s : sections_)
    if (sameName(s.Name, name)) return &s;
  return nullptr;
}

TMemIniFile::Section& TMemIniFile::findOrAdd(const QString& name) {
  for (Section& s : sections_)
    if (sameName(s.Name, name)) return s;
  sections_.push_back({name, {}});
  return sections_.back();
}

QString TMemIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const {
  if (const auto* s = find(Section))
    for (const Entry& e : s->Entries)
      if (sameName(e.Key, Ident)) return e.Value;
  return Default;
}

void TMemIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value) {
  auto& s = findOrAdd(Section);
  for (Entry& e : s.Entries)
    if (sameName(e.Key, Ident)) {
      e.Value = Value;
      return;
    }
  s.Entries.push_back({Ident, Value});
}

int TMemIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const {
  const QString text = ReadString(Section, Ident, QString()).trimmed();
  if (text.isEmpty()) return Default;
  return StrToIntDef(text, Default);
}

void TMemIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value) {
  WriteString(Section, Ident, QString::number(Value));
}

bool TMemIniFile::SectionExists(const QString& Section) const { return find(Section) != nullptr; }

bool TMemIniFile::ValueExists(const QString& Section, const QString& Ident) const {
  if (const auto* s = find(Section))
    return std::any_of(s->Entries.begin(), s->Entries.end(), [&](const Entry& e) { return sameName(e.Key, Ident); });
  return false;
}

QStringList TMemIniFile::ReadSection(const QString& Section) const {
  QStringList keys;
  if (const auto* s = find(Section))
    for (const Entry& e : s->Entries) keys.append(e.Key);
  return keys;
}

void TMemIniFile::EraseSection(const QString& Section) {
  sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                 [&](const struct Section& s) { return sameName(s.Name, Section); }),
                  sections_.end());
}

void TMemIniFile::DeleteKey(const QString& Section, const QString& Ident) {
  for (struct Section& s : sections_)
    if (sameName(s.Name, Section))
      s.Entries.erase(std::remove_if(s.Entries.begin(), s.Entries.end(),
                                     [&](const Entry& e) { return sameName(e.Key, Ident); }),
                      s.Entries.end());
}

QString TMemIniFile::Text() const {
  QString out;
  for (const Section& s : sections_) {
    out += u'[' + s.Name + QStringLiteral("]\n");
    for (const Entry& e : s.Entries) out += e.Key + u'=' + e.Value + u'\n';
    out += u'\n';
  }
  return out;
}

void TMemIniFile::SetText(const QString& Text) {
  sections_.clear();
  Section* current = nullptr;
  const QStringList lines = Text.split(u'\n');
  for (QString line : lines) {
    if (line.endsWith(u'\r')) line.chop(1);
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';')) continue;
    if (t.startsWith(u'[') && t.endsWith(u']')) {
      current = &findOrAdd(t.mid(1, t.size() - 2).trimmed());
      continue;
    }
    const qsizetype eq = line.indexOf(u'=');
    if (!current || eq <= 0) continue;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty()) continue;
    // The first line of a key wins, as a lookup in the file would find it.
    if (std::none_of(current->Entries.begin(), current->Entries.end(),
                     [&](const Entry& e) { return sameName(e.Key, key); }))
      current->Entries.push_back({key, line.mid(eq + 1)});
  }
}

void TMemIniFile::UpdateFile() const { WriteFileWhole(fileName_, Text().toUtf8()); }

