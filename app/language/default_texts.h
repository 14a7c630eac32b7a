// The built-in English texts of the language text list, held as data in four
// pieces of consecutive indexes (one file each).
#pragma once

#include <QStringList>

// One piece: the texts of indexes First .. First + Count - 1. An entry is nullptr
// where the text embeds the maker's web domain (see Default_Texts).
struct TDefaultTextPiece {
  int First;
  int Count;
  const char16_t* const* Texts;
};

extern const TDefaultTextPiece Default_Texts_Shell;
extern const TDefaultTextPiece Default_Texts_Gateway_BACnet;
extern const TDefaultTextPiece Default_Texts_CAN_MQTT;
extern const TDefaultTextPiece Default_Texts_OPCUA_SNMP_S7;

// Number of text slots.
inline constexpr int kLanguage_Text_Count = 5300;

// All default texts in index order, one per index (kLanguage_Text_Count entries).
QStringList Default_Texts();
