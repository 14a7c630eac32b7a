#pragma once

// How the in-place editor grows with its text (TSizeWhileTyping).
struct TSizeWhileTyping {
  bool Height = false;
  bool Width = false;
};
