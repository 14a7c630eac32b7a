// Sizes of the window system's standard parts (stands for GetSystemMetrics).
#pragma once

// The width of a vertical scroll bar (SM_CXVSCROLL).
int VerticalScrollBarWidth();
