// The analogue clock's arithmetic, free of any window: the face square, the
// minute and hour under a point, the steps of a hand animation, and the radii
// and angles the face drawing uses. Coordinates round to the nearest integer,
// halves to the even neighbour.
#pragma once

#include "platform/ui/graphics.h"

// The face: a Size x Size square centred in the client area (Size 0 or less:
// min(W, H) - 20; else clipped to W and H).
TRect WatchFaceRect(int ClientW, int ClientH, int Size);
// The centre of the face square (integer halves).
TPoint WatchCenter(const TRect& Face);

// The minute pointed at from the centre: 0 straight up, 15 to the right, 30
// down, 45 to the left, by 6-degree steps; 60 reads 0.
int MinuteAtPoint(TPoint Center, int X, int Y);
// The hour pointed at: 12 hours around the face; the top is 0 (AM) or 12 (PM)
// and the AM flag tells the half of the day of the others. `ToAM` is set when
// the top reads as hour 0.
int HourAtPoint(TPoint Center, int X, int Y, bool AM, bool& ToAM);

// One animation step of the hour hand from `Current` towards `Target`.
int NextHourStep(int Current, int Target, int Factor);
// One animation step of the minute hand; a target of 0 from past the half hour
// runs forward over the hour (the caller advances the hour at 0).
int NextMinuteStep(int Current, int Target, int Factor);

// Radii of the ticks: the outer radius and the inner radius of the hour and of
// the minute ticks (a mark length above 0 is taken as it is).
struct TWatchTickRadii {
  double Outer, HourInner, MinuteInner;
};
TWatchTickRadii WatchTickRadii(double Radius, int BorderWidth, int HourMarkLength, int MinuteMarkLength);
// The hour hand's angle in degrees clockwise from 12 o'clock.
double HourHandAngle(int Hour, int Minute);
