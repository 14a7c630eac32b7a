// Web and mail addresses in cell texts: whether a text is one, and the address
// without its scheme, as the grid shows links.
#pragma once

#include <QString>

// The text holds "://" or "mailto:" (exact case).
bool IsUrl(const QString& Text);
// Everything up to and including "://", or else up to and including "mailto:",
// removed; other texts unchanged.
QString StripUrlScheme(const QString& Text);
