// Input for controls in headless tests: key strokes and mouse actions delivered to
// a control's widget as the window system would deliver them.
#pragma once

#include <Qt>
#include <QString>

class TControl;

// Key press (with the key's usual text) and release.
void PressKey(TControl* c, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
void KeyDownOnly(TControl* c, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
void KeyUpOnly(TControl* c, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier);
// The text a key gives (lower-case letters without Shift, "\r" for Enter ...).
QString KeyText(int qtKey, Qt::KeyboardModifiers mods);

void MousePress(TControl* c, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                Qt::KeyboardModifiers mods = Qt::NoModifier);
void MouseMoveTo(TControl* c, int x, int y, Qt::MouseButtons held = Qt::NoButton);
void MouseRelease(TControl* c, int x, int y, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers mods = Qt::NoModifier);
void MouseDoubleClick(TControl* c, int x, int y);
// Press and release at the point.
void MouseClick(TControl* c, int x, int y);
void MouseEnter(TControl* c);
void MouseLeave(TControl* c);
// Handles pending events, posted messages included.
void ProcessEvents();
