// Pictures of mini-HTML texts: a three-frame GIF file made here (frames found
// by scanning, the selected frame decoded at its position, display times and
// stepping, wrapping), bad and metafile data, the cache and the container, and
// loading by address.
#include "grid/base/html_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

struct GifFrame {
  int left, top, width, height;
  int delay;      // hundredths of a second
  int colour;     // index into the palette: 0 white, 1 red, 2 green, 3 blue
  int disposal;
  bool transparent;
};

// Image data in the GIF file's LZW coding, written the simple way: every pixel
// as a literal code after a clear code, so that the code width stays 3 bits.
QByteArray LzwOfOneColour(int count, int colour) {
  std::vector<int> codes;
  for (int i = 0; i < count; ++i) {
    codes.push_back(4);  // clear
    codes.push_back(colour);
  }
  codes.push_back(5);  // end of information
  QByteArray bits;
  uint32_t acc = 0;
  int n = 0;
  for (int c : codes) {
    acc |= static_cast<uint32_t>(c) << n;
    n += 3;
    while (n >= 8) {
      bits.append(static_cast<char>(acc & 0xFF));
      acc >>= 8;
      n -= 8;
    }
  }
  if (n > 0) bits.append(static_cast<char>(acc & 0xFF));
  QByteArray out;
  out.append(char(2));  // minimum code size
  for (int i = 0; i < bits.size(); i += 255) {
    const QByteArray block = bits.mid(i, 255);
    out.append(static_cast<char>(block.size()));
    out.append(block);
  }
  out.append(char(0));
  return out;
}

void Word(QByteArray& b, int v) {
  b.append(static_cast<char>(v & 0xFF));
  b.append(static_cast<char>((v >> 8) & 0xFF));
}

QByteArray MakeGif(int width, int height, const std::vector<GifFrame>& frames) {
  QByteArray b("GIF89a");
  Word(b, width);
  Word(b, height);
  b.append(char(0x81));  // global colour table of 4 entries
  b.append(char(0));
  b.append(char(0));
  const unsigned char palette[] = {255, 255, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255};
  b.append(reinterpret_cast<const char*>(palette), sizeof palette);
  for (const GifFrame& f : frames) {
    b.append("\x21\xF9\x04", 3);
    b.append(static_cast<char>((f.disposal << 2) | (f.transparent ? 1 : 0)));
    Word(b, f.delay);
    b.append(char(0));  // transparent colour index
    b.append(char(0));
    b.append(char(0x2C));
    Word(b, f.left);
    Word(b, f.top);
    Word(b, f.width);
    Word(b, f.height);
    b.append(char(0));
    b.append(LzwOfOneColour(f.width * f.height, f.colour));
  }
  b.append(char(0x3B));
  return b;
}

QByteArray ThreeFrames() {
  return MakeGif(4, 4, {{0, 0, 4, 4, 10, 1, 1, false}, {2, 1, 2, 2, 20, 2, 2, true}, {0, 0, 4, 4, 10, 3, 0, false}});
}

// The colour of the decoded picture at (x, y), drawn onto white.
TColor PixelOf(const THTMLPicture& p, int x, int y) {
  TBitmap b(p.Width(), p.Height());
  p.Draw(b.Canvas(), TRect{0, 0, p.Width(), p.Height()});
  return b.Canvas()->Pixel(x, y);
}

TEST(HtmlPicture, ThreeFrameGif) {
  const QByteArray gif = ThreeFrames();
  THTMLPicture p;
  p.LoadFromStream(&gif);
  ASSERT_FALSE(p.Empty());
  EXPECT_TRUE(p.IsGIF());
  EXPECT_EQ(p.FrameCount(), 3);
  EXPECT_EQ(p.Frame(), 1);
  EXPECT_EQ(p.Width(), 4);
  EXPECT_EQ(PixelOf(p, 1, 1), clRed);
  // Frame 2 is decoded as the picture: its own size at its own position.
  int changes = 0;
  p.OnFrameChange = [&](TObject*) { ++changes; };
  p.SetFrame(2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(p.FrameXPos(), 2);
  EXPECT_EQ(p.FrameYPos(), 1);
  EXPECT_EQ(p.Width(), 2);
  EXPECT_EQ(p.Height(), 2);
  EXPECT_EQ(p.MaxWidth(), 4);  // the animation's screen
  EXPECT_EQ(p.MaxHeight(), 4);
  EXPECT_EQ(PixelOf(p, 0, 0), clLime);
  p.SetFrame(3);
  EXPECT_EQ(PixelOf(p, 3, 3), clBlue);
  EXPECT_EQ(p.FrameXPos(), 0);
  // Frames beyond the last or before the first are the last and the first.
  p.SetFrame(9);
  EXPECT_EQ(p.Frame(), 3);
  p.SetFrame(-4);
  EXPECT_EQ(p.Frame(), 1);
}

TEST(HtmlPicture, FrameTimesAndAttributes) {
  const QByteArray gif = ThreeFrames();
  THTMLPicture p;
  p.LoadFromStream(&gif);
  EXPECT_EQ(p.GetFrameTime(1), 10);
  EXPECT_EQ(p.GetFrameTime(2), 20);
  EXPECT_TRUE(p.FrameTransparent());
  EXPECT_EQ(p.FrameDisposal(), 2);
  EXPECT_EQ(p.GetFrameTime(3), 10);
  EXPECT_FALSE(p.FrameTransparent());
  EXPECT_EQ(p.GetFrameTime(4), -1);
  EXPECT_EQ(p.GetFrameTime(0), -1);
}

TEST(HtmlPicture, NextAndPreviousWrap) {
  const QByteArray gif = ThreeFrames();
  THTMLPicture p;
  p.LoadFromStream(&gif);
  p.FramePrev();
  EXPECT_EQ(p.Frame(), 3);
  p.FrameNext();
  EXPECT_EQ(p.Frame(), 1);
  p.FrameNext();
  p.FrameNext();
  EXPECT_EQ(p.Frame(), 3);
  p.FrameNext();
  EXPECT_EQ(p.Frame(), 1);
}

TEST(HtmlPicture, StepsFollowTheDisplayTimes) {
  // Ticks of 100 ms against delays of 10, 20 and 10 hundredths: the first frame
  // is looked up once when stepping begins, each later change adds the new
  // frame's time, and the last frame wraps to the first.
  const QByteArray gif = ThreeFrames();
  THTMLPicture p;
  p.LoadFromStream(&gif);
  std::vector<bool> changed;
  std::vector<int> frames;
  for (int i = 0; i < 8; ++i) {
    changed.push_back(p.Step());
    frames.push_back(p.Frame());
  }
  EXPECT_EQ(changed, (std::vector<bool>{false, false, true, false, true, true, true, false}));
  EXPECT_EQ(frames, (std::vector<int>{1, 1, 2, 2, 3, 1, 2, 2}));
  // A picture of one frame, and an empty one, never step.
  THTMLPicture still;
  const QByteArray one = MakeGif(2, 2, {{0, 0, 2, 2, 10, 1, 0, false}});
  still.LoadFromStream(&one);
  EXPECT_FALSE(still.Step());
  THTMLPicture none;
  EXPECT_FALSE(none.Step());
}

TEST(HtmlPicture, BadDataGivesAnEmptyPicture) {
  QTemporaryDir dir;
  const QString bad = dir.filePath("bad.gif");
  {
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("GIF89a this is not a picture at all");
  }
  THTMLPicture p;
  int changes = 0;
  p.OnChange = [&](TObject*) { ++changes; };
  p.LoadFromFile(bad);  // no error escapes
  EXPECT_TRUE(p.Empty());
  EXPECT_FALSE(p.HasPicture());
  EXPECT_EQ(p.Width(), 0);
  p.LoadFromFile(dir.filePath("missing.png"));
  EXPECT_TRUE(p.Empty());
  // From a stream the error is told, and the picture is empty.
  const QByteArray junk("not a picture");
  EXPECT_THROW(p.LoadFromStream(&junk), Exception);
  EXPECT_TRUE(p.Empty());
  // A frame header with nothing after it (truncated file).
  QByteArray cut = ThreeFrames().left(40);
  THTMLPicture q;
  try {
    q.LoadFromStream(&cut);
  } catch (const Exception&) {
  }
  try {
    q.SetFrame(2);
  } catch (const Exception&) {
  }
  EXPECT_EQ(q.Frame(), 1);
  EXPECT_FALSE(q.Step());
  // A frame that decodes to nothing (found by fuzzing): an empty picture, not one
  // that claims to hold something.
  const QByteArray nothing("\x47\x49\x46\x38\x39\x61\x03\x00\x03\x00\x81\x00\x00\xFF\xFF\xFF\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\x21\xF9\x04\x00\x0A\x40\x00\x00\x2C\x00\x85\x00\x00\x00\x03\x00\x03\x00\x00\x02\x08\x0C\xC3\x30\x0C\xC3\x30\x4C\x01\x00\x3B", 56);
  THTMLPicture o;
  try {
    o.LoadFromStream(&nothing);
  } catch (const Exception&) {
  }
  EXPECT_EQ(o.Empty(), !o.HasPicture());
  // A small file that names a huge picture is refused (found by fuzzing: every
  // animation step decoded it anew).
  const QByteArray huge = MakeGif(5000, 5000, {{0, 0, 1, 1, 10, 1, 0, false}, {0, 0, 1, 1, 10, 2, 0, false}});
  THTMLPicture h;
  EXPECT_THROW(h.LoadFromStream(&huge), Exception);
  EXPECT_TRUE(h.Empty());
  EXPECT_FALSE(h.Step());
  // A metafile has no reader here: an empty picture, no error.
  QByteArray wmf("\xD7\xCD\xC6\x9A", 4);
  wmf.append(QByteArray(40, '\0'));
  THTMLPicture m;
  m.LoadFromStream(&wmf);
  EXPECT_TRUE(m.Empty());
  EXPECT_FALSE(m.HasPicture());
}

TEST(HtmlPicture, CacheAndContainer) {
  TPictureContainer container(nullptr);
  THTMLPicture* named = container.AddPicture(QStringLiteral("Logo"));
  EXPECT_EQ(container.FindPicture(QStringLiteral("LOGO")), named);  // any letter case
  EXPECT_EQ(container.FindPicture(QStringLiteral("other")), nullptr);
  THTMLPictureCache cache;
  THTMLPicture* p = cache.AddPicture();
  p->ID = QStringLiteral("http://example.invalid/a.gif");
  EXPECT_EQ(cache.FindPicture(QStringLiteral("http://example.invalid/a.gif")), p);
  EXPECT_EQ(cache.FindPicture(QStringLiteral("HTTP://EXAMPLE.INVALID/A.GIF")), nullptr);  // exactly
  // Animation steps every picture of the cache.
  const QByteArray gif = ThreeFrames();
  cache.AddPicture()->LoadFromStream(&gif);
  bool any = false;
  for (int i = 0; i < 3; ++i) any = cache.Animate() || any;
  EXPECT_TRUE(any);
  cache.ClearPictures();
  EXPECT_EQ(cache.Count(), 0);
}

TEST(HtmlPicture, LoadingByAddress) {
  QTemporaryDir dir;
  QImage img(3, 5, QImage::Format_RGB32);
  img.fill(Qt::red);
  ASSERT_TRUE(img.save(dir.filePath("Pic.png")));
  QDir::addSearchPath(QStringLiteral("rcdata"), dir.path());
  // A resource: the prefix in any case, the name as written; the address is the ID.
  THTMLPicture r;
  r.LoadFromURL(QStringLiteral("res://Pic.png"));
  EXPECT_EQ(r.ID, QStringLiteral("res://Pic.png"));
  EXPECT_EQ(r.Width(), 3);
  THTMLPicture wrongCase;
  wrongCase.LoadFromURL(QStringLiteral("RES://PIC.PNG"));
  EXPECT_TRUE(wrongCase.Empty());
  // A file.
  THTMLPicture f;
  f.LoadFromURL(QStringLiteral("FILE://") + dir.filePath("Pic.png"));
  EXPECT_EQ(f.Height(), 5);
  // Other addresses are remembered, never loaded.
  THTMLPicture web;
  web.Asynch = false;
  web.LoadFromURL(QStringLiteral("http://127.0.0.1/x.png"));
  EXPECT_EQ(web.ID, QStringLiteral("http://127.0.0.1/x.png"));
  EXPECT_TRUE(web.Empty());
  THTMLPicture later;
  later.LoadFromURL(QStringLiteral("http://127.0.0.1/x.png"));
  EXPECT_TRUE(later.Busy());
  EXPECT_TRUE(later.Empty());
  QDir::setSearchPaths(QStringLiteral("rcdata"), {});
}

TEST(HtmlPicture, AssignCopiesTheBytes) {
  const QByteArray gif = ThreeFrames();
  THTMLPicture a;
  a.LoadFromStream(&gif);
  a.SetFrame(2);
  THTMLPicture b;
  b.Assign(&a);
  EXPECT_EQ(b.Frame(), 1);
  EXPECT_EQ(b.FrameCount(), 3);
  QByteArray saved;
  b.SaveToStream(saved);
  EXPECT_EQ(saved, gif);
  b.Assign(nullptr);
  EXPECT_TRUE(b.Empty());
}

}  // namespace
