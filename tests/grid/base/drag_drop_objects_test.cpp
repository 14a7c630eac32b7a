// The drag-and-drop objects: what a drag offers and what a drop does with it,
// the effect rule, the payloads (lying sizes included), the dragged data's
// formats and the start routines.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QtEndian>

#include "grid/base/drag_drop_objects.h"
#include "platform/ui/control.h"
#include "platform/ui/form.h"

namespace {

// Remembers every call of the overridable operations, in order.
class RecordingTarget : public TESGDropTarget {
public:
  QStringList calls;
  bool refuseMove = false;

protected:
  void DropText(TPoint, const QString& s) override { calls << "text:" + s; }
  void DropStream(TPoint, const QByteArray& stream) override { calls << "stream:" + QString::fromLatin1(stream); }
  void DropCol(TPoint, int col) override { calls << QStringLiteral("col:%1").arg(col); }
  void DropRTF(TPoint, const QString& s) override { calls << "rtf:" + s; }
  void DropFiles(TPoint, const QStringList& files) override { calls << "files:" + files.join(','); }
  void DropURL(TPoint, const QString& s) override { calls << "url:" + s; }
  void DragMouseMove(TPoint&, bool& allow, TDropFormats) override {
    calls << "move";
    if (refuseMove) allow = false;
  }
  void DragMouseEnter() override { calls << "enter"; }
  void DragMouseLeave() override { calls << "leave"; }
};

struct Offer {
  const char* text = nullptr;
  const char* rtf = nullptr;
  const char* uris = nullptr;
  int col = -2;  // -2: none
  const char* cells = nullptr;
};

std::unique_ptr<QMimeData> Make(const Offer& o) {
  auto d = std::make_unique<QMimeData>();
  if (o.text) d->setData(TextMimeType(), o.text);
  if (o.rtf) d->setData(RichTextMimeType(), o.rtf);
  if (o.uris) d->setData(UriListMimeType(), o.uris);
  if (o.col != -2) d->setData(GridColumnMimeType(), EncodeColumn(o.col));
  if (o.cells) d->setData(GridCellsMimeType(), EncodeGridCells(o.cells));
  return d;
}

struct RtfSwitch {
  explicit RtfSwitch(bool on) { SetAcceptRtfDrop(on); }
  ~RtfSwitch() { SetAcceptRtfDrop(false); }
};

}  // namespace

TEST(DropTarget, AcceptDecisionTable) {
  struct Case {
    Offer offer;
    bool text, files, cols, urls, rtf;
    bool accepted;
    TDropFormats formats;
  } cases[] = {
      {{"a"}, true, true, false, true, false, true, {dfText}},
      {{"a"}, false, true, false, true, false, false, {dfText}},
      {{"a", nullptr, "file:///tmp/x.csv"}, false, true, false, true, false, true, {dfText, dfFile}},
      {{nullptr, nullptr, "file:///tmp/x.csv"}, true, false, false, true, false, false, {dfFile}},
      {{nullptr, "{\\rtf1}"}, true, true, false, true, true, true, {dfRTF}},
      {{nullptr, "{\\rtf1}"}, true, true, false, true, false, false, {dfRTF}},
      {{nullptr, "{\\rtf1}"}, false, true, false, true, true, false, {dfRTF}},
      {{nullptr, nullptr, nullptr, 3}, true, true, false, true, false, false, {dfCol}},
      {{nullptr, nullptr, nullptr, 3}, false, false, true, false, false, true, {dfCol}},
      {{nullptr, nullptr, "https://example.org/a"}, true, true, false, true, false, true, {dfURL}},
      {{nullptr, nullptr, "https://example.org/a"}, true, true, false, false, false, false, {dfURL}},
      // Grid cells are accepted whatever the flags say.
      {{nullptr, nullptr, nullptr, -2, "xyz"}, false, false, false, false, false, true, {dfGridCells}},
      {{}, true, true, true, true, true, false, {}},
  };
  int i = 0;
  for (const Case& c : cases) {
    RtfSwitch rtf(c.rtf);
    RecordingTarget t;
    t.AcceptText = c.text;
    t.AcceptFiles = c.files;
    t.AcceptCols = c.cols;
    t.AcceptURLs = c.urls;
    auto data = Make(c.offer);
    int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(t.DragEnter(data.get(), 0, {0, 0}, effect), S_OK);
    EXPECT_EQ(t.Acceptable(), c.accepted) << "case " << i;
    EXPECT_EQ(t.DropFormats(), c.formats) << "case " << i;
    EXPECT_EQ(effect, c.accepted ? DROPEFFECT_MOVE : DROPEFFECT_NONE) << "case " << i;
    EXPECT_EQ(t.calls, QStringList{"enter"});
    ++i;
  }
}

TEST(DropTarget, DropDecisionTable) {
  struct Case {
    Offer offer;
    bool rtf;
    QStringList calls;
  } cases[] = {
      {{"plain"}, false, {"text:plain"}},
      {{"plain", "{\\rtf1 r}"}, true, {"rtf:{\\rtf1 r}"}},
      {{"plain", "{\\rtf1 r}"}, false, {"text:plain"}},
      {{"plain", "{\\rtf1 r}", nullptr, -2, "cells"}, true, {"stream:cells"}},
      // A column alone, nothing else.
      {{"plain", nullptr, "file:///tmp/a.csv", 4, "cells"}, true, {"col:4"}},
      {{"plain", nullptr, "file:///tmp/a.csv\r\nfile:///tmp/b.xls\r\n"}, false,
       {"text:plain", "files:/tmp/a.csv,/tmp/b.xls"}},
      // A link comes from the text when there is one.
      {{"https://example.org/", nullptr, "https://example.org/"}, false,
       {"text:https://example.org/", "url:https://example.org/"}},
      {{nullptr, nullptr, "# comment\nhttps://example.org/x\nfile:///tmp/c.csv"}, false,
       {"files:/tmp/c.csv", "url:https://example.org/x"}},
      // A text with a zero character ends there.
      {{"ab\0cd"}, false, {"text:ab"}},
  };
  int i = 0;
  for (const Case& c : cases) {
    RtfSwitch rtf(c.rtf);
    RecordingTarget t;
    t.AcceptCols = true;
    auto data = Make(c.offer);
    if (QByteArray(c.offer.text ? c.offer.text : "") == "ab") data->setData(TextMimeType(), QByteArray("ab\0cd", 5));
    int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    t.DragEnter(data.get(), 0, {5, 5}, effect);
    t.calls.clear();
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    t.Drop(data.get(), MK_CONTROL, {5, 5}, effect);
    EXPECT_EQ(t.calls, c.calls) << "case " << i;
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    ++i;
  }
}

TEST(DropTarget, RefusedDragDropsNothingAndMovesAskTheOwner) {
  RecordingTarget t;
  t.AcceptText = false;
  auto data = Make({"a"});
  int effect = DROPEFFECT_MOVE;
  t.DragEnter(data.get(), 0, {}, effect);
  effect = DROPEFFECT_MOVE;
  t.DragOver(0, {}, effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  effect = DROPEFFECT_MOVE;
  t.Drop(data.get(), 0, {}, effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  EXPECT_EQ(t.calls, (QStringList{"enter", "move"}));

  RecordingTarget u;
  effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
  u.DragEnter(data.get(), 0, {}, effect);
  u.refuseMove = true;
  effect = DROPEFFECT_MOVE | DROPEFFECT_COPY;
  u.DragOver(0, {}, effect);
  EXPECT_EQ(effect, DROPEFFECT_NONE);
  u.DragLeave();
  EXPECT_EQ(u.calls, (QStringList{"enter", "move", "leave"}));
}

TEST(DropEffect, CtrlCopiesElseMoveWhenAllowed) {
  EXPECT_EQ(DropEffectRule(MK_CONTROL, DROPEFFECT_MOVE), DROPEFFECT_COPY);
  EXPECT_EQ(DropEffectRule(MK_CONTROL | MK_LBUTTON, DROPEFFECT_MOVE | DROPEFFECT_COPY), DROPEFFECT_COPY);
  EXPECT_EQ(DropEffectRule(MK_LBUTTON, DROPEFFECT_MOVE | DROPEFFECT_COPY), DROPEFFECT_MOVE);
  EXPECT_EQ(DropEffectRule(0, DROPEFFECT_COPY), DROPEFFECT_COPY);
  EXPECT_EQ(DropEffectRule(MK_SHIFT, DROPEFFECT_LINK), DROPEFFECT_COPY);
}

TEST(DragPayloads, GridCellsRoundTripAndLyingSizes) {
  const QByteArray stream("\x01\x02\x00\x03", 4);
  const QByteArray block = EncodeGridCells(stream);
  ASSERT_EQ(block.size(), 12);
  EXPECT_EQ(qFromLittleEndian<qint32>(block.constData()), 4);
  EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + 4), 0);
  EXPECT_EQ(DecodeGridCells(block), stream);
  EXPECT_EQ(DecodeGridCells(EncodeGridCells({})), QByteArray());

  auto withCount = [](qint32 n, const QByteArray& rest) {
    QByteArray b(8, '\0');
    qToLittleEndian<qint32>(n, b.data());
    return b + rest;
  };
  EXPECT_EQ(DecodeGridCells(withCount(2, "abcd")), QByteArray("ab"));  // more data than stated: the stated part
  EXPECT_EQ(DecodeGridCells(withCount(5, "abcd")), std::nullopt);      // states more than there is
  EXPECT_EQ(DecodeGridCells(withCount(0x7FFFFFFF, "abcd")), std::nullopt);
  EXPECT_EQ(DecodeGridCells(withCount(-1, "abcd")), std::nullopt);
  EXPECT_EQ(DecodeGridCells(QByteArray("\x04\x00\x00", 3)), std::nullopt);  // shorter than the header
  EXPECT_EQ(DecodeGridCells({}), std::nullopt);

  EXPECT_EQ(DecodeColumn(EncodeColumn(7)), 7);
  EXPECT_EQ(DecodeColumn(EncodeColumn(-1)), -1);
  EXPECT_EQ(DecodeColumn(QByteArray("\x07\x00", 2)), -1);
  EXPECT_EQ(DecodeRichText(QByteArray("{\\rtf1 \xe9}\0tail", 14)), QString::fromUtf8("{\\rtf1 é}"));
  EXPECT_EQ(DecodeRichText(QByteArray("no end")), "no end");
}

TEST(DropTarget, ForeignDataWithALyingCountDropsNoCells) {
  RecordingTarget t;
  auto data = std::make_unique<QMimeData>();
  QByteArray lying(8, '\0');
  qToLittleEndian<qint32>(1000, lying.data());
  data->setData(GridCellsMimeType(), lying + "abc");
  int effect = DROPEFFECT_COPY;
  t.DragEnter(data.get(), 0, {}, effect);
  t.calls.clear();
  t.Drop(data.get(), 0, {}, effect);
  EXPECT_TRUE(t.calls.isEmpty());
  TEnumFormats f(data.get());
  EXPECT_TRUE(f.HasGridCells());
  EXPECT_EQ(f.Stream(), std::nullopt);
  EXPECT_EQ(f.Col(), -1);
  EXPECT_EQ(f.Text(), "");
}

TEST(SourceData, OfferedFormatsByContentAndSwitch) {
  const QByteArray stream("cells");
  TSourceDataObject text("hello", "{\\rtf1 hello}", -1, nullptr);
  EXPECT_TRUE(text.QueryGetData(TextMimeType()));
  EXPECT_FALSE(text.QueryGetData(RichTextMimeType()));  // switch off
  EXPECT_FALSE(text.QueryGetData(GridCellsMimeType()));
  std::unique_ptr<QMimeData> mime(text.CreateMimeData());
  EXPECT_EQ(mime->formats(), QStringList{TextMimeType()});
  {
    RtfSwitch on(true);
    EXPECT_TRUE(text.QueryGetData(RichTextMimeType()));
    EXPECT_EQ(text.GetData(RichTextMimeType()), QByteArray("{\\rtf1 hello}"));
  }
  TSourceDataObject cells("a\tb", "", -1, &stream);
  EXPECT_EQ(cells.EnumFormats(), (QStringList{TextMimeType(), RichTextMimeType(), GridCellsMimeType()}));
  EXPECT_EQ(DecodeGridCells(cells.GetData(GridCellsMimeType())), stream);

  // A column drag lists the text formats first, but offers only the column.
  TSourceDataObject column("", "", 2, nullptr);
  EXPECT_EQ(column.EnumFormats(), (QStringList{TextMimeType(), RichTextMimeType(), GridColumnMimeType()}));
  EXPECT_FALSE(column.QueryGetData(TextMimeType()));
  EXPECT_TRUE(column.QueryGetData(GridColumnMimeType()));
  EXPECT_EQ(column.GetData(TextMimeType()), QByteArray());
  EXPECT_EQ(DecodeColumn(column.GetData(GridColumnMimeType())), 2);
}

TEST(SourceData, FormatEnumeratorSteps) {
  TSourceEnumFormatEtc e({"a", "b", "c"});
  QStringList out;
  int fetched = 0;
  EXPECT_TRUE(e.Next(2, out, &fetched));
  EXPECT_EQ(fetched, 2);
  TSourceEnumFormatEtc copy = e.Clone();
  EXPECT_FALSE(e.Next(2, out, &fetched));
  EXPECT_EQ(fetched, 1);
  EXPECT_EQ(out, (QStringList{"a", "b", "c"}));
  EXPECT_EQ(copy.Position(), 2);
  EXPECT_FALSE(copy.Skip(5));
  EXPECT_EQ(copy.Position(), 3);
  copy.Reset();
  EXPECT_TRUE(copy.Skip(3));
}

namespace {

class RecordingSource : public TESGDropSource {
public:
  QStringList calls;

protected:
  void DragDropStop() override { calls << "stop"; }
  void CurrentEffect(int effect) override { calls << QStringLiteral("effect:%1").arg(effect); }
  void QueryDrag() override { calls << "query"; }
};

struct LoopGuard {
  explicit LoopGuard(TDragLoop loop) { SetDragLoopForTest(std::move(loop)); }
  ~LoopGuard() { SetDragLoopForTest({}); }
};

}  // namespace

TEST(DragSource, ContinueAndFeedback) {
  RecordingSource s;
  EXPECT_EQ(s.QueryContinueDrag(false, MK_LBUTTON), S_OK);
  EXPECT_EQ(s.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
  EXPECT_EQ(s.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
  EXPECT_EQ(s.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
  EXPECT_TRUE(s.NoAccept);
  s.GiveFeedback(DROPEFFECT_COPY);
  EXPECT_FALSE(s.NoAccept);
  EXPECT_EQ(s.calls, (QStringList{"query", "query", "stop", "query", "stop", "effect:0", "effect:1"}));
}

TEST(DragSource, StartRoutinesCarryTheDataAndReportCancelWithoutAcceptance) {
  QStringList seen;
  int feedback = DROPEFFECT_COPY;
  LoopGuard loop([&](const QMimeData* data, TDropSourceHooks* source, int allowed) {
    seen = data->formats();
    source->GiveFeedback(feedback);
    return allowed & DROPEFFECT_COPY;  // the drag loop says: dropped, copied
  });
  RecordingSource s;
  int effect = -1;
  const QByteArray stream("s");
  EXPECT_EQ(StartTextDrag(&s, "hi", "", effect, DROPEFFECT_COPY | DROPEFFECT_MOVE, &stream), DRAGDROP_S_DROP);
  EXPECT_EQ(effect, DROPEFFECT_COPY);
  EXPECT_EQ(seen, (QStringList{TextMimeType(), GridCellsMimeType()}));

  feedback = DROPEFFECT_NONE;  // the last feedback accepted nothing
  EXPECT_EQ(StartColumnDrag(&s, 3, DROPEFFECT_MOVE | DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
  EXPECT_EQ(seen, QStringList{GridColumnMimeType()});
}

TEST(DropTarget, RegisteredWindowGetsTheDragEvents) {
  TForm form(nullptr);
  auto* c = new TCustomControl(&form);
  c->SetParent(&form);
  c->SetBounds(0, 0, 50, 50);
  RecordingTarget t;
  ASSERT_TRUE(RegisterDragDrop(c, &t));
  EXPECT_TRUE(c->Widget()->acceptDrops());
  auto data = Make({"dropped"});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(c->Widget(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::MoveAction);
  QDropEvent drop(QPointF(6, 6), Qt::CopyAction | Qt::MoveAction, data.get(), Qt::NoButton, Qt::ControlModifier);
  QCoreApplication::sendEvent(c->Widget(), &drop);
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  EXPECT_EQ(t.calls, (QStringList{"enter", "text:dropped"}));
  RevokeDragDrop(c);
  EXPECT_FALSE(c->Widget()->acceptDrops());
  EXPECT_EQ(RegisteredDropTarget(c), nullptr);
}
