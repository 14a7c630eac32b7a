// Web and mail addresses in cell texts: whether a text is one, and the address
// without its scheme, as the grid shows links.
#pragma once

#include <QString>

// The text holds "://" or "mailto:" (exact case).
bool IsUrl(const QString& Text);
// Everything up to and including "://", or else up to and including "mailto:",
// removed; other texts unchanged.
QString StripUrlScheme(const QString& Text);
// When the upper-cased text holds Prefix (an address start in upper case): the
// text with "<" and ">" escaped and the address from the prefix on (over the
// address characters) made a mini-HTML anchor shown as itself; true. Otherwise
// false with Result untouched.
bool AutoLinkUrl(const QString& Text, const QString& Prefix, QString& Result);
