// The picture reader of mini-HTML texts on picture-file bytes: decoding with the
// platform's readers, the GIF frame scan, frame times, frame selection and the
// animation steps, and drawing.
// Invariants: the frame stays within 1..FrameCount (1 without frames); a
// picture that is not empty has a decoded image; the frame times found are
// 0..65535 and -1 past the last frame; a picture no reader takes is empty.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_gui.h"
#include "grid/base/html_picture.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

#include <algorithm>

namespace {

void Check_Frame(THTMLPicture& p) {
  const int n = p.FrameCount();
  Fuzz_Require(p.Frame() >= 1 && p.Frame() <= std::max(1, n), "the frame left 1..FrameCount");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Fuzz_Gui();
  const QByteArray bytes = Fuzz_Bytes(data, size);
  THTMLPicture p;
  try {
    p.LoadFromStream(&bytes);
  } catch (const Exception&) {
    Fuzz_Require(p.Empty(), "a picture no reader takes is not empty");
  }
  if (!p.Empty()) Fuzz_Require(p.HasPicture(), "a loaded picture has no image");
  const int n = p.FrameCount();
  Fuzz_Require(n == -1 || n >= 0, "a negative frame count");
  for (int i = 1; i <= std::min(n, 16); ++i) {
    const int t = p.GetFrameTime(i);
    Fuzz_Require(t >= 0 && t <= 0xFFFF, "a frame time outside 0..65535");
  }
  if (n >= 0) Fuzz_Require(p.GetFrameTime(n + 1) == -1, "a frame time past the last frame");
  for (int f : {2, n, n + 3, -1}) {
    try {
      p.SetFrame(f);
    } catch (const Exception&) {
    }
    Check_Frame(p);
  }
  for (int i = 0; i < 6; ++i) {
    p.Step();
    Check_Frame(p);
  }
  p.FrameNext();
  Check_Frame(p);
  p.FramePrev();
  Check_Frame(p);
  TBitmap b(64, 48);
  p.Draw(b.Canvas(), TRect{0, 0, 64, 48});
  p.Stretch = true;
  p.Draw(b.Canvas(), TRect{0, 0, 64, 48});
  return 0;
}
