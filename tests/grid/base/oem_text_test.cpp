#include "grid/base/oem_text.h"

#include "platform/rtl/codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(OemText, StringToOemKeepsTheOemBytesAsAnsiCharacters) {
  struct {
    const char16_t* text;
    QByteArray oemBytes;
  } cases[] = {
      {u"abc", QByteArray("abc")},
      {u"\u00e9\u00e8\u00fc", QByteArray("\x82\x8a\x81")},   // é è ü
      {u"\u00c4\u00d6\u00dc\u00df", QByteArray("\x8e\x99\x9a\xe1")},
      {u"\u2500\u00a0", QByteArray("\xc4\xff")},             // box line, no-break space
      {u"\u20ac", QByteArray("?")},                          // the euro sign has no OEM byte
  };
  for (const auto& c : cases) {
    QString t = QString::fromUtf16(c.text);
    StringToOem(t);
    EXPECT_EQ(EncodeWindows1252(t), c.oemBytes) << QString::fromUtf16(c.text).toStdString();
  }
}

TEST(OemText, OemToStringReversesIt) {
  for (const char16_t* text : {u"Gr\u00fc\u00dfe \u00e0 \u00c7a", u"plain", u""}) {
    QString t = QString::fromUtf16(text);
    StringToOem(t);
    OemToString(t);
    EXPECT_EQ(t, QString::fromUtf16(text));
  }
}

}  // namespace
