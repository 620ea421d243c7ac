// The one conversion between program text (Windows-1252 bytes) and QString.
// Never QString::fromLatin1/fromUtf8 on program text: 0x80..0x9F differ.
#pragma once

#include <QString>

#include <string>
#include <string_view>

// Every byte becomes one character (the five undefined bytes map to the C1
// controls of the same value, so nothing is lost).
QString ParaQString(std::string_view s);
// Characters with no Windows-1252 byte become "?" (one per character, a
// surrogate pair included).
std::string DeQString(const QString& s);
