#include "grid/base/os_probes.h"

#include "platform/theme/visual_styles.h"

namespace {
// The common-controls major version this platform stands for.
constexpr int kComCtlMajorVersion = 6;
}  // namespace

bool IsWinXPVersion() { return true; }

bool IsComCtl6Themed() { return IsWinXPVersion() && IsThemeActive() && kComCtlMajorVersion > 5; }
