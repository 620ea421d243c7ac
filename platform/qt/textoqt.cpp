// Windows-1252 <-> QString, on top of the code-page table of the program.
#include "platform/qt/textoqt.h"

#include "platform/codepage.h"

QString ParaQString(std::string_view s) {
    QString q;
    q.reserve(static_cast<qsizetype>(s.size()));
    for (unsigned char c : s)
        q += QChar(static_cast<char16_t>(Cp1252ParaUnicode(c)));
    return q;
}

std::string DeQString(const QString& s) {
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
