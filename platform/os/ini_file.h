// An initialisation file kept in memory and written whole (stands for the class
// library's TMemIniFile): sections of "key=value" lines. Section and key names
// compare without regard to letter case; values are kept as they stand. Reading
// never raises: a missing or unreadable file reads as empty, lines that are
// neither a "[section]" nor a "key=value" line are skipped. UpdateFile writes
// every section back at once.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TMemIniFile {
public:
  // Reads FileName when it exists (UTF-8 text).
  explicit TMemIniFile(const QString& FileName);

  QString FileName() const { return fileName_; }

  QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
  void WriteString(const QString& Section, const QString& Ident, const QString& Value);
  // Decimal or "$"-hexadecimal integers; anything else gives Default.
  int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
  void WriteInteger(const QString& Section, const QString& Ident, int Value);
  bool SectionExists(const QString& Section) const;
  bool ValueExists(const QString& Section, const QString& Ident) const;
  // The key names of a section in file order (empty when the section is missing).
  QStringList ReadSection(const QString& Section) const;
  void EraseSection(const QString& Section);
  void DeleteKey(const QString& Section, const QString& Ident);

  // The whole file as text: "[section]" lines, each followed by its keys.
  QString Text() const;
  // Replaces the contents by the sections of Text (as reading a file does).
  void SetText(const QString& Text);
  // Writes the file whole; raises EFileError when it cannot (the file on disk
  // then stays as it was).
  void UpdateFile() const;

private:
  struct Entry {
    QString Key;
    QString Value;
  };
  struct Section {
    QString Name;
    std::vector<Entry> Entries;
  };
  const Section* find(const QString& name) const;
  Section& findOrAdd(const QString& name);

  QString fileName_;
  std::vector<Section> sections_;
};

