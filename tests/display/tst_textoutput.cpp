// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/TextOutput.h"
#include "display/controls/PictureBox.h"
#include "display/text/Fonts.h"
#include "display/text/SymbolLetters.h"

#include <QtTest>
#include <functional>

using namespace fenwa::display;
using namespace fenwa::dspCommon;

namespace {

// A piece expected on the line: its text and font, and whether it sits lowered.
struct Piece {
    QString text;
    QString font;
    double size;
    bool lowered = false;
};
using Pieces = QList<Piece>;

const QString Comma = QString(QChar(0xFF0C));
const QString Mu = QString(QChar(0x03BC));

Piece InMeiryo(const QString& text) { return {text, FontNames::Meiryo, 12.0}; }
Piece CourierMinus() { return {QStringLiteral("-"), FontNames::CourierNew, 12.0 * 1.2}; }
Piece LoweredComma() { return {Comma, FontNames::MsGothic, 12.0, true}; }

using Procedure = std::function<void(Surface&, float&, float, const QString&)>;

} // namespace

Q_DECLARE_METATYPE(Pieces)
Q_DECLARE_METATYPE(Procedure)

class TextOutputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> panel;
    QList<PrintedText> printed;
    Surface& surface() { return panel->surface(); }

    void UseFont(const QString& name, double size) {
        surface().SetFontName(name);
        surface().SetFontSize(size);
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init() {
        panel = std::make_unique<PictureBox>();
        panel->resize(600 + 2 * PictureBox::BorderWidth, 100 + 2 * PictureBox::BorderWidth);
        surface().SetScaleMode(Surface::Pixels);
        UseFont(FontNames::Meiryo, 12.0);
        printed.clear();
        surface().SetPrintObserver([this](const PrintedText& text) { printed.append(text); });
    }

    void printTextLaysOutItsPieces_data() {
        QTest::addColumn<QString>("surfaceFont");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Pieces>("pieces");
        const QString meiryo = FontNames::Meiryo;
        const QString label = QString::fromUtf16(u"\u30B9\u30AF\u30EA\u30FC\u30F3");

        QTest::newRow("plain label") << meiryo << label << Pieces{InMeiryo(label)};
        QTest::newRow("leading minus in Courier")
            << meiryo << "-" + label << Pieces{CourierMinus(), InMeiryo(label)};
        QTest::newRow("minus alone") << meiryo << QStringLiteral("-") << Pieces{CourierMinus()};
        QTest::newRow("later minus is ordinary")
            << meiryo << QStringLiteral("He-Ne") << Pieces{InMeiryo(QStringLiteral("He-Ne"))};
        QTest::newRow("one comma lowered") << meiryo << "12" + Comma + "34"
                                           << Pieces{InMeiryo(QStringLiteral("12")), LoweredComma(),
                                                     InMeiryo(QStringLiteral("34"))};
        QTest::newRow("two commas in a row")
            << meiryo << "1" + Comma + Comma + "2"
            << Pieces{InMeiryo(QStringLiteral("1")), LoweredComma(), LoweredComma(),
                      InMeiryo(QStringLiteral("2"))};
        QTest::newRow("comma at the end")
            << meiryo << "1" + Comma << Pieces{InMeiryo(QStringLiteral("1")), LoweredComma()};
        QTest::newRow("comma at the start")
            << meiryo << Comma + "1" << Pieces{LoweredComma(), InMeiryo(QStringLiteral("1"))};
        QTest::newRow("minus then comma") << meiryo << "-1" + Comma + "2"
                                          << Pieces{CourierMinus(), InMeiryo(QStringLiteral("1")),
                                                    LoweredComma(), InMeiryo(QStringLiteral("2"))};
        QTest::newRow("half-width comma is ordinary")
            << meiryo << QStringLiteral("1,2") << Pieces{InMeiryo(QStringLiteral("1,2"))};
        QTest::newRow("empty text") << meiryo << QString() << Pieces{};

        const QString courier = FontNames::CourierNew;
        const QString whole = "-1" + Comma + "2";
        QTest::newRow("other font: one piece")
            << courier << whole << Pieces{{whole, courier, 12.0}};
        QTest::newRow("other font: empty text") << courier << QString() << Pieces{};
        // The name is compared whole: a look-alike is another font.
        QTest::newRow("other font: name with a blank")
            << meiryo + " " << whole << Pieces{{whole, meiryo + " ", 12.0}};
    }
    void printTextLaysOutItsPieces() {
        QFETCH(QString, surfaceFont);
        QFETCH(QString, text);
        QFETCH(Pieces, pieces);
        UseFont(surfaceFont, 12.0);
        const float y = 30.0f;
        const float lowered = float(double(y) + 0.15 * surface().TextHeight(QStringLiteral("A")));
        QVERIFY(lowered > y);

        float x = 17.5f;
        float expectedX = x;
        PrintText(surface(), x, y, text);

        QCOMPARE(printed.size(), pieces.size());
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const PrintedText& got = printed[i];
            QCOMPARE(got.text, pieces[i].text);
            QCOMPARE(got.fontName, pieces[i].font);
            QCOMPARE(got.fontSize, pieces[i].size);
            QCOMPARE(got.x, double(expectedX)); // right after the previous piece
            QCOMPARE(got.y, double(pieces[i].lowered ? lowered : y));
            QVERIFY(got.endX > got.x);
            expectedX = float(got.endX);
        }
        QCOMPARE(x, expectedX);
        QCOMPARE(surface().FontName(), surfaceFont);
        QCOMPARE(surface().FontSize(), 12.0);
    }

    void proceduresPutTheFontBack_data() {
        QTest::addColumn<Procedure>("procedure");
        QTest::addColumn<QString>("drawnIn");
        QTest::addColumn<double>("sizeFactor");
        QTest::newRow("PrintAt") << Procedure(PrintAt) << FontNames::Meiryo << 1.0;
        QTest::newRow("PrintInFont")
            << Procedure([](Surface& s, float& x, float y, const QString& t) {
                   PrintInFont(s, FontNames::Arial, x, y, t);
               })
            << FontNames::Arial << 1.0;
        QTest::newRow("PrintMono") << Procedure(PrintMono) << FontNames::CourierNew << 1.2;
        QTest::newRow("PrintSymbol") << Procedure(PrintSymbol) << FontNames::Symbol << 1.0;
        QTest::newRow("PrintGothic") << Procedure(PrintGothic) << FontNames::MsGothic << 1.0;
        QTest::newRow("PrintText") << Procedure(PrintText) << FontNames::Meiryo << 1.0;
    }
    void proceduresPutTheFontBack() {
        QFETCH(Procedure, procedure);
        QFETCH(QString, drawnIn);
        QFETCH(double, sizeFactor);
        // 14.4 has no exact 32-bit value: the size must come back untouched all the same.
        for (const double size : {12.0, 11.25, 14.4}) {
            UseFont(FontNames::Meiryo, size);
            printed.clear();
            float x = 5.0f;
            procedure(surface(), x, 40.0f, QStringLiteral("a"));
            QCOMPARE(printed.size(), 1);
            QCOMPARE(printed[0].fontName, drawnIn);
            // Only the Courier print changes the size, from its 32-bit reading.
            QCOMPARE(printed[0].fontSize,
                     sizeFactor == 1.0 ? size : double(float(size)) * sizeFactor);
            QCOMPARE(printed[0].x, 5.0);
            QCOMPARE(printed[0].y, 40.0);
            QCOMPARE(surface().FontName(), FontNames::Meiryo);
            QCOMPARE(surface().FontSize(), size);
            // The pen stays where the text ended, and x reports it.
            QCOMPARE(x, float(printed[0].endX));
            QCOMPARE(surface().CurrentX(), printed[0].endX);
            QCOMPARE(surface().CurrentY(), 40.0);
        }
    }

    void printSymbolShowsMu() {
        float x = 10.0f;
        PrintSymbol(surface(), x, 20.0f, QStringLiteral("m"));
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0].text, Mu);
        QCOMPARE(printed[0].fontName, FontNames::Symbol);
        // x ends after the mu's own glyph, as measured in the font it was drawn in.
        UseFont(FontNames::Symbol, 12.0);
        QCOMPARE(x, float(10.0 + surface().TextWidth(Mu)));
        // And ink landed where the mu was drawn.
        bool inked = false;
        for (int px = 10; px < int(x) && !inked; ++px)
            for (int py = 20; py < 40 && !inked; ++py)
                inked = surface().Point(px, py) != surface().BackColor();
        QVERIFY(inked);
    }

    void symbolLetters_data() {
        QTest::addColumn<QString>("latin");
        QTest::addColumn<QString>("greek");
        QTest::newRow("mu") << "m" << Mu;
        QTest::newRow("not alphabetical in Greek")
            << "abcq" << QString::fromUtf16(u"\u03B1\u03B2\u03C7\u03B8");
        QTest::newRow("variant letters")
            << "jvJV" << QString::fromUtf16(u"\u03D5\u03D6\u03D1\u03C2");
        QTest::newRow("ends of the alphabet")
            << "azAZ" << QString::fromUtf16(u"\u03B1\u03B6\u0391\u0396");
        QTest::newRow("capitals") << "WLP" << QString::fromUtf16(u"\u03A9\u039B\u03A0");
        QTest::newRow("others pass") << "1 -."
                                     << "1 -.";
    }
    void symbolLetters() {
        QFETCH(QString, latin);
        QFETCH(QString, greek);
        QCOMPARE(SymbolLetters(latin), greek);
    }
};

QTEST_MAIN(TextOutputTest)
#include "tst_textoutput.moc"
