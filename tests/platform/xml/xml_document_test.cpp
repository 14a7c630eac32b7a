#include "platform/xml/xml_document.h"

#include "platform/os/files.h"
#include "platform/rtl/exceptions.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString S(const char* s) { return QString::fromUtf8(s); }

class XmlDocument : public ::testing::Test {
protected:
  QString path(const char* name = "doc.xml") const { return PathJoin(dir.path(), S(name)); }
  QTemporaryDir dir;
};

TEST_F(XmlDocument, SaveAndLoadRoundTripWithCommentAfterTheRoot) {
  TXMLDocument doc;
  TXMLNode root = doc.AddRoot(S("Root"));
  doc.AddComment(S("SW_VERSION = 1.001"));
  TXMLNode group = root.AddChild(S("Group"));
  TXMLNode row = group.AddChild(S("row"));
  row.SetAttribute(S("B"), S("second"));
  row.SetAttribute(S("A"), S("a < b & \"c\" 'd' \u00e9\u20ac"));
  row.SetAttribute(S("B"), S("replaced"));  // keeps its place
  root.AddChild(S("Name")).SetText(S(" spaced <text> "));
  doc.SaveToFile(path());

  const QString text = QString::fromUtf8(ReadFileWhole(path()));
  EXPECT_FALSE(text.startsWith(S("<?xml")));
  EXPECT_TRUE(text.endsWith(S("</Root>\n<!--SW_VERSION = 1.001-->\n"))) << text.toStdString();
  EXPECT_LT(text.indexOf(S("B=")), text.indexOf(S("A=")));

  TXMLDocument back;
  back.LoadFromFile(path());
  EXPECT_EQ(back.SaveToText(), doc.SaveToText());
  TXMLNode r = back.Root();
  ASSERT_FALSE(r.IsNull());
  EXPECT_EQ(r.NodeName(), S("Root"));
  TXMLNode backRow = r.ChildByName(S("Group")).ChildByName(S("row"));
  EXPECT_EQ(backRow.Attribute(S("A")), S("a < b & \"c\" 'd' \u00e9\u20ac"));
  EXPECT_EQ(backRow.Attribute(S("B")), S("replaced"));
  EXPECT_EQ(r.ChildByName(S("Name")).Text(), S(" spaced <text> "));
  // The comment stays at document level after the root: no second element there.
  EXPECT_EQ(back.DocumentElement().NodeName(), S("Root"));
}

TEST_F(XmlDocument, FirstNodeIsTheRootWhateverItsName) {
  TXMLDocument doc;
  doc.LoadFromText(S("<Anything><a/></Anything><!--c-->"));
  EXPECT_EQ(doc.Root().NodeName(), S("Anything"));

  // A comment or declaration first: the first node is no element, so there is no
  // root; the document element is still found.
  doc.LoadFromText(S("<?xml version=\"1.0\"?><!--c--><Other/>"));
  EXPECT_TRUE(doc.Root().IsNull());
  EXPECT_EQ(doc.DocumentElement().NodeName(), S("Other"));
}

TEST_F(XmlDocument, ChildrenAttributesAndTexts) {
  TXMLDocument doc;
  doc.LoadFromText(S("<R><x n=\"1\"/><!--note-->text<y/><x n=\"2\" e=\"\"/><t>hello</t><u/></R>"));
  TXMLNode r = doc.Root();
  EXPECT_EQ(r.ChildByName(S("x")).Attribute(S("n")), S("1"));  // the first of that name
  EXPECT_TRUE(r.ChildByName(S("X")).IsNull());                // names are case-sensitive
  const QList<TXMLNode> kids = r.ChildElements();             // elements only, in order
  ASSERT_EQ(kids.size(), 5);
  EXPECT_EQ(kids[2].Attribute(S("n")), S("2"));

  // Attributes: present, present but empty, absent.
  EXPECT_TRUE(kids[2].HasAttribute(S("e")));
  EXPECT_EQ(kids[2].AttributeDef(S("e"), S("def")), QString());
  EXPECT_FALSE(kids[2].HasAttribute(S("z")));
  EXPECT_EQ(kids[2].Attribute(S("z")), QString());
  EXPECT_EQ(kids[2].AttributeDef(S("z"), S("def")), S("def"));

  // Texts.
  EXPECT_EQ(r.ChildByName(S("t")).Text(), S("hello"));
  EXPECT_EQ(r.ChildByName(S("u")).Text(), QString());
  r.ChildByName(S("t")).SetText(S("bye"));
  EXPECT_EQ(r.ChildByName(S("t")).Text(), S("bye"));

  // A null handle answers "nothing" and ignores writes.
  TXMLNode none = r.ChildByName(S("missing"));
  EXPECT_TRUE(none.ChildByName(S("x")).IsNull());
  EXPECT_EQ(none.Text(), QString());
  EXPECT_EQ(none.AttributeDef(S("a"), S("d")), S("d"));
  EXPECT_TRUE(none.AddChild(S("x")).IsNull());
  none.SetAttribute(S("a"), S("b"));
  none.SetText(S("t"));
  EXPECT_TRUE(none.ChildElements().isEmpty());

  r.RemoveChildren();
  EXPECT_TRUE(r.ChildElements().isEmpty());
  doc.Clear();
  EXPECT_TRUE(doc.Root().IsNull());
  EXPECT_EQ(doc.SaveToText(), QString());
}

TEST_F(XmlDocument, BrokenInputRaisesAndEmptiesTheDocument) {
  const char* broken[] = {"<R><a></R>", "", "plain text", "<R a=\"1></R>", "<!-- only a comment -->"};
  for (const char* text : broken) {
    WriteFileWhole(path(), QByteArray(text));
    TXMLDocument doc;
    doc.LoadFromText(S("<Old/>"));
    try {
      doc.LoadFromFile(path());
      ADD_FAILURE() << "no error for " << text;
    } catch (const EFileError& e) {
      EXPECT_TRUE(e.Message.contains(path())) << e.Message.toStdString();
    }
    EXPECT_TRUE(doc.Root().IsNull()) << text;
    EXPECT_THROW(doc.LoadFromText(S(text)), EFileError) << text;
  }
  TXMLDocument doc;
  EXPECT_THROW(doc.LoadFromFile(path("missing.xml")), EFileError);
}

TEST_F(XmlDocument, SaveIntoAMissingFolderRaisesAndLeavesNothing) {
  TXMLDocument doc;
  doc.AddRoot(S("R"));
  const QString folder = PathJoin(dir.path(), S("missing"));
  EXPECT_THROW(doc.SaveToFile(PathJoin(folder, S("doc.xml"))), EFileError);
  EXPECT_FALSE(DirectoryExists(folder));
  EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(XmlDocument, SaveReplacesTheWholeFile) {
  WriteFileWhole(path(), QByteArray("<Old><much/><longer/><content/></Old>"));
  TXMLDocument doc;
  doc.AddRoot(S("New"));
  doc.SaveToFile(path());
  EXPECT_EQ(QString::fromUtf8(ReadFileWhole(path())), S("<New />\n"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{S("doc.xml")});
}

TEST_F(XmlDocument, SavedBytesAreUtf8AndBytesReadInThatAreNotBecomeReplacements) {
  // Plain ASCII, text beyond ASCII, and a file read in with a byte that is no UTF-8.
  struct TCase {
    const char* In;
    QByteArray Out;
  };
  const TCase cases[] = {
      {"<R a=\"x &amp; y\"/>", QByteArray("<R a=\"x &amp; y\" />\n")},
      {"<R a=\"\xC3\xA9\xE2\x82\xAC\"/>", QByteArray("<R a=\"\xC3\xA9\xE2\x82\xAC\" />\n")},
      {"<R a=\"a\xFF\x62\"/>", QByteArray("<R a=\"a\xEF\xBF\xBD\x62\" />\n")},
  };
  for (const TCase& c : cases) {
    WriteFileWhole(path(), QByteArray(c.In));
    TXMLDocument doc;
    doc.LoadFromFile(path());
    doc.SaveToFile(path("out.xml"));
    EXPECT_EQ(ReadFileWhole(path("out.xml")), c.Out) << c.In;
    EXPECT_EQ(ReadFileWhole(path("out.xml")), doc.SaveToText().toUtf8()) << c.In;
  }
}

TEST_F(XmlDocument, AttributesByAsciiNames) {
  TXMLDocument doc;
  doc.LoadFromText(S("<R><x n=\"1\" e=\"\" u=\"\u00e9\" nn=\"2\" \u00e9t=\"3\"/></R>"));
  const TXMLNode x = doc.Root().ChildByName(S("x"));
  QString value = S("old");
  EXPECT_TRUE(x.FindAttribute("n", value));
  EXPECT_EQ(value, S("1"));
  EXPECT_TRUE(x.FindAttribute("e", value));
  EXPECT_EQ(value, QString());
  EXPECT_FALSE(x.FindAttribute("z", value));
  EXPECT_EQ(value, QString());
  EXPECT_EQ(x.Attribute("u"), S("\u00e9"));
  EXPECT_TRUE(x.HasAttribute("e"));
  EXPECT_FALSE(x.HasAttribute("N"));  // names are case-sensitive
  const TXMLNode none = x.ChildByName(S("missing"));
  EXPECT_FALSE(none.HasAttribute("n"));
  EXPECT_FALSE(none.FindAttribute("n", value));
  EXPECT_EQ(none.Attribute("n"), QString());

  // The attributes taken once answer every look as the element does; names that
  // share a beginning ("n", "nn") stay apart.
  for (const TXMLNode& node : {x, none}) {
    const TXMLAttributes taken(node);
    for (const char* name : {"n", "nn", "e", "u", "z", "N", ""}) {
      QString fromNode, fromTaken = S("old");
      const bool has = node.FindAttribute(name, fromNode);
      EXPECT_EQ(taken.Find(name, fromTaken), has) << name;
      EXPECT_EQ(fromTaken, fromNode) << name;
      EXPECT_EQ(taken.Has(name), has) << name;
      EXPECT_EQ(taken.Value(name), fromNode) << name;
      EXPECT_EQ(taken.Utf8(name) != nullptr, has) << name;
      if (has) EXPECT_EQ(S(taken.Utf8(name)), fromNode) << name;
      // The same looks by a name held as text.
      QString byText = S("old");
      EXPECT_EQ(taken.Find(QStringView(S(name)), byText), has) << name;
      EXPECT_EQ(byText, fromNode) << name;
      EXPECT_EQ(taken.Has(QStringView(S(name))), has) << name;
    }
    QString accented;
    EXPECT_EQ(taken.Find(QStringView(S("\u00e9t")), accented), !node.IsNull());
    EXPECT_EQ(accented, node.IsNull() ? QString() : S("3"));
    EXPECT_FALSE(taken.Has(QStringView(S("\u00e9"))));
  }
}

// Attributes appended to a new element read back as set ones do, whatever the
// name: short ASCII, longer than a usual name, or beyond ASCII.
TEST_F(XmlDocument, AppendedAttributesReadBack) {
  const QString names[] = {S("Address"), QString(80, u'a'), S("Pr\u00e9fixe"), S("x")};
  {
    TXMLDocument doc;
    TXMLNode row = doc.AddRoot(S("R")).AddChild(S("row"));
    for (const QString& name : names) row.AppendAttribute(name, name + S(" \u20ac <&>"));
    doc.SaveToFile(path());
  }
  TXMLDocument doc;
  doc.LoadFromFile(path());
  const TXMLNode row = doc.Root().ChildByName(S("row"));
  for (const QString& name : names) EXPECT_EQ(row.Attribute(name), name + S(" \u20ac <&>")) << name.toStdString();
}

}  // namespace
