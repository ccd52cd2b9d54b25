// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/text/SymbolLetters.h"

namespace fenwa::display {

namespace {

// Indexed by letter, a to z; the "Symbol" layout is not alphabetical in
// Greek (c is chi, q theta, and j and v are the variant phi and pi).
constexpr char16_t Lower[] = u"\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5"
                             u"\u03BA\u03BB\u03BC\u03BD\u03BF\u03C0\u03B8\u03C1\u03C3\u03C4"
                             u"\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6";
// A to Z; J is the variant theta and V the final sigma.
constexpr char16_t Upper[] = u"\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1"
                             u"\u039A\u039B\u039C\u039D\u039F\u03A0\u0398\u03A1\u03A3\u03A4"
                             u"\u03A5\u03C2\u03A9\u039E\u03A8\u0396";
static_assert(sizeof(Lower) / sizeof(Lower[0]) == 27 && sizeof(Upper) / sizeof(Upper[0]) == 27);

} // namespace

QString SymbolLetters(const QString& text) {
    QString greek = text;
    for (QChar& c : greek) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(Lower[u - u'a']);
        else if (u >= u'A' && u <= u'Z')
            c = QChar(Upper[u - u'A']);
    }
    return greek;
}

} // namespace fenwa::display
