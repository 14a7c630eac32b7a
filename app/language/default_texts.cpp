#include "app/language/default_texts.h"

#include "app/state/comon.h"

#include <QString>
#include <string>

namespace {

const TDefaultTextPiece* const kPieces[] = {
    &Default_Texts_Shell,
    &Default_Texts_Gateway_BACnet,
    &Default_Texts_CAN_MQTT,
    &Default_Texts_OPCUA_SNMP_S7,
};

// Texts made of a fixed beginning, the maker's web domain and a fixed end.
struct TDomainText {
  int Index;
  const char16_t* Before;
  const char16_t* After;
};

const TDomainText kDomainTexts[] = {
    {1213, u"Find all ", u" Devices"},
    {1231, u"Enable or disable the option to find all ", u" Devices"},
};

QString DomainText(int index) {
  for (const TDomainText& t : kDomainTexts)
    if (t.Index == index)
      return QString::fromUtf16(t.Before) + QString::fromUtf16(kMaker_Domain) + QString::fromUtf16(t.After);
  return QStringLiteral(" ");
}

QStringList BuildTexts() {
  QStringList texts;
  texts.reserve(kLanguage_Text_Count);
  for (const TDefaultTextPiece* piece : kPieces) {
    Q_ASSERT(piece->First == texts.size());
    for (int i = 0; i < piece->Count; ++i) {
      const char16_t* text = piece->Texts[i];
      // The built-in texts are constants of the program: the strings point at them.
      texts.append(text ? QString::fromRawData(reinterpret_cast<const QChar*>(text),
                                               qsizetype(std::char_traits<char16_t>::length(text)))
                        : DomainText(piece->First + i));
    }
  }
  Q_ASSERT(texts.size() == kLanguage_Text_Count);
  return texts;
}

}  // namespace

QStringList Default_Texts() {
  // Built once; every load shares the same strings.
  static const QStringList texts = BuildTexts();
  return texts;
}
