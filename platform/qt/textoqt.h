// The one conversion between program text (Windows-1252 bytes) and QString.
// Never QString::fromLatin1/fromUtf8 on program text: 0x80..0x9F differ.
// Header-only on top of platform/codepage.h, so a program that links only
// dm_platform and Qt (kelto) uses the same conversion.
#pragma once

#include "platform/codepage.h"

#include <QString>

#include <string>
#include <string_view>

// Every byte becomes one character (the five undefined bytes map to the C1
// controls of the same value, so nothing is lost).
inline QString ParaQString(std::string_view s) {
    QString q;
    q.reserve(static_cast<qsizetype>(s.size()));
    for (unsigned char c : s)
        q += QChar(static_cast<char16_t>(Cp1252ParaUnicode(c)));
    return q;
}

// Characters with no Windows-1252 byte become "?" (one per character, a
// surrogate pair included).
inline std::string DeQString(const QString& s) {
    std::string o;
    o.reserve(static_cast<size_t>(s.size()));
    for (qsizetype i = 0; i < s.size(); ++i) {
        QChar c = s.at(i);
        if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            ++i;
            o += '?';
            continue;
        }
        int b = UnicodeParaCp1252(c.unicode());
        o += b < 0 ? '?' : static_cast<char>(b);
    }
    return o;
}
