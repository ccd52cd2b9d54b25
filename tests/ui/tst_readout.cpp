// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "MainWindowFixture.h"
#include "ScriptedRandom.h"
#include "display/controls/CommandButton.h"
#include "display/controls/PictureBox.h"
#include "display/text/Fonts.h"
#include "model/Apparatus.h"
#include "model/Conditions.h"
#include "ui/main/ApparatusReadout.h"
#include "ui/main/frmFenwa.h"

#include <QtTest>
#include <climits>
#include <cmath>

using namespace fenwa::display;
using fenwa::model::Apparatus;
using fenwa::model::DefaultApparatus;
using fenwa::ui::frmFenwa;
using fenwa::ui::PrintReadout;

namespace {

// Where a piece starts: the label column, the value column, or after the
// previous piece with a gap in units of the horizontal factor.
enum class From { Label, Value, After };

struct Piece {
    QString text;
    QString font;
    From from;
    float gap = 0;
    bool raised = false;
};
using Pieces = QList<Piece>;

const QString Meiryo = FontNames::Meiryo;
const QString Courier = FontNames::CourierNew;

Piece LabelPiece(const char16_t* text) { return {QString::fromUtf16(text), Meiryo, From::Label}; }
Piece Next(const char16_t* text, float gap = 0) {
    return {QString::fromUtf16(text), Meiryo, From::After, gap};
}
Piece Value(const char* text) { return {QString::fromLatin1(text), Meiryo, From::Value}; }
Piece Mono(const char* letter, float gap = 0) {
    return {QString::fromLatin1(letter), Courier, From::After, gap};
}
Piece Mu(float gap) { return {QString(QChar(0x03BC)), FontNames::Symbol, From::After, gap, true}; }

// The four rows of the default apparatus, with the row 2 word given.
QList<Pieces> DefaultRows(const char16_t* widthOrSpacing) {
    return {
        {LabelPiece(u"\u30B9\u30EA\u30C3\u30C8"),
         {QStringLiteral("-"), Courier, From::After, 4},
         Next(u"\u30B9\u30AF\u30EA\u30FC\u30F3\u9593\u306E\u8DDD\u96E2"),
         Value("5.00 "),
         Mono("m")},
        {LabelPiece(u"\u30B9\u30EA\u30C3\u30C8\u306E"), Next(widthOrSpacing), Value("0.50 "),
         Mono("m"), Mono("m", 2)},
        {LabelPiece(u"\u5149\u306E\u6CE2\u9577\uFF08He-Ne \u30EC\u30FC\u30B6\u30FC)"),
         Value("0.633"), Mu(4), Mono("m", 2)},
        {LabelPiece(u"\u56DE\u6298\u56F3\u5F62\uFF08\u53F3\u56F3\uFF09\u306E\u4E0A\u4E0B\u306E"
                    u"\u9577\u3055"),
         Value("2.53 "), Mono("c"), Mono("m", 2)},
    };
}
const char16_t* Spacing = u"\u9593\u9694";
const char16_t* Width = u"\u5E45";

// Compares what was printed with the rows, piece by piece: text, font, size
// and position. rowY are the tops of the four rows; fw and fh the factors.
void CheckReadout(const QList<PrintedText>& printed, const QList<Pieces>& rows,
                  const QList<float>& rowY, float fw, float fh) {
    qsizetype i = 0;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        float x = 0;
        for (const Piece& piece : rows[row]) {
            QVERIFY2(i < printed.size(), qPrintable(QStringLiteral("missing ") + piece.text));
            const PrintedText& got = printed[i++];
            switch (piece.from) {
            case From::Label: x = 20; break;
            case From::Value: x = 260 * fw; break;
            case From::After: x += piece.gap * fw; break;
            }
            const float y = piece.raised ? float(double(rowY[row]) - 0.9 * double(fh)) : rowY[row];
            QCOMPARE(got.text, piece.text);
            QCOMPARE(got.fontName, piece.font);
            QCOMPARE(got.fontSize, piece.font == Courier ? 12.0 * 1.2 : 12.0);
            QCOMPARE(got.x, double(x));
            QCOMPARE(got.y, double(y));
            x = float(got.endX);
        }
    }
    QCOMPARE(printed.size(), i);
}

// The first and last rows of ink between two columns and two rows of a
// surface's area, in device pixels.
QPair<int, int> InkRows(const QImage& image, double left, double right, double top, double bottom) {
    const double ratio = image.devicePixelRatio();
    QPair<int, int> rows{INT_MAX, -1};
    for (int x = int(left * ratio); x < int(std::ceil(right * ratio)); ++x)
        for (int y = int(top * ratio); y < int(bottom * ratio); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                rows = {std::min(rows.first, y), std::max(rows.second, y)};
    return rows;
}

} // namespace

class ReadoutTest : public QObject {
    Q_OBJECT

    QList<PrintedText> printed;

    void Observe(Surface& surface) {
        printed.clear();
        surface.SetPrintObserver([this](const PrintedText& text) { printed.append(text); });
    }

    // A panel in the window's font whose drawing area has the given size.
    static std::unique_ptr<PictureBox> Panel(int width, int height) {
        auto panel = std::make_unique<PictureBox>();
        panel->resize(width + 2 * PictureBox::BorderWidth, height + 2 * PictureBox::BorderWidth);
        panel->surface().SetFontName(FontNames::Meiryo);
        panel->surface().SetFontSize(12.0);
        return panel;
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void layoutScalesWithTheSurface_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<float>("fw");
        QTest::addColumn<float>("fh");
        QTest::addColumn<QList<float>>("rowY");
        QTest::newRow("800 x 600")
            << QSize(800, 600) << 1.0f << 1.0f << QList<float>{100, 140, 180, 220};
        QTest::newRow("twice as high: first row stays")
            << QSize(800, 1200) << 1.0f << 2.0f << QList<float>{100, 260, 340, 420};
        QTest::newRow("wider: only values and gaps move")
            << QSize(1000, 600) << 1.25f << 1.0f << QList<float>{100, 140, 180, 220};
        QTest::newRow("smaller") << QSize(640, 480) << 0.8f << 0.8f
                                 << QList<float>{100, 116, 148, 180};
    }
    void layoutScalesWithTheSurface() {
        QFETCH(QSize, size);
        QFETCH(float, fw);
        QFETCH(float, fh);
        QFETCH(QList<float>, rowY);
        const auto panel = Panel(size.width(), size.height());
        Observe(panel->surface());
        PrintReadout(panel->surface(), DefaultApparatus(2));
        QCOMPARE(panel->surface().ScaleMode(), int(Surface::Pixels));
        CheckReadout(printed, DefaultRows(Spacing), rowY, fw, fh);
        // The font is the surface's own again after all the unit letters.
        QCOMPARE(panel->surface().FontName(), FontNames::Meiryo);
        QCOMPARE(panel->surface().FontSize(), 12.0);
    }

    // The values in use; the laser named at its own wavelength only, and a
    // fifth row while the photons are seen passing two slits, none for one.
    void otherConditionsAreStated() {
        for (const auto& [slits, nm] : {std::pair(2, 532), std::pair(1, 633)}) {
            const auto panel = Panel(800, 600);
            Observe(panel->surface());
            PrintReadout(panel->surface(),
                         fenwa::model::WithConditions(DefaultApparatus(std::int16_t(slits)),
                                                      {nm, 125, 75, true}));
            QList<Pieces> rows = DefaultRows(slits == 1 ? Width : Spacing);
            rows[0][3].text = QStringLiteral("0.75 "); // never ".75 "
            rows[1][2].text = QStringLiteral("1.25 ");
            if (nm != 633) {
                rows[2][0].text = QStringLiteral("光の波長");
                rows[2][1].text = QStringLiteral("0.532");
                rows.append({LabelPiece(u"どのスリットを通ったかを観測中")});
            }
            CheckReadout(printed, rows, {100, 140, 180, 220, 260}, 1, 1);
        }
    }

    void nothingBeforeTheSlitsAreSet() {
        const auto panel = Panel(800, 600);
        panel->surface().SetScaleMode(Surface::Pixels);
        panel->surface().PSet(300, 100, RGB(255, 0, 0));
        panel->surface().SetScaleMode(Surface::Twips);
        Observe(panel->surface());
        PrintReadout(panel->surface(), Apparatus{});
        QVERIFY(printed.isEmpty());
        QCOMPARE(panel->surface().ScaleMode(), int(Surface::Twips));
        panel->surface().SetScaleMode(Surface::Pixels);
        QCOMPARE(panel->surface().Point(300, 100), RGB(255, 0, 0)); // not cleared
    }

    void anotherFontPrintsTheMinusAsItStands() {
        const auto panel = Panel(800, 600);
        panel->surface().SetFontName(FontNames::Arial);
        Observe(panel->surface());
        PrintReadout(panel->surface(), DefaultApparatus(2));
        const QString label =
            QString::fromUtf16(u"-\u30B9\u30AF\u30EA\u30FC\u30F3\u9593\u306E\u8DDD\u96E2");
        QCOMPARE(printed.size(), 17); // one piece fewer than in Meiryo
        QCOMPARE(printed[1].text, label);
        QCOMPARE(printed[1].fontName, FontNames::Arial);
        QCOMPARE(printed[2].text, QStringLiteral("5.00 "));
    }

    // As the designer saw it: the units on the value's baseline, the raised
    // mu a hair above its m, the Courier minus level with the long vowel
    // mark; within one pixel of the window, two device pixels at 2x.
    void piecesStandOnTheirBaselines() {
        fenwa::test::ScriptedRandom random({});
        fenwa::test::MainWindowFixture window;
        QVERIFY(window.Open(random));
        Observe(window->surface());
        window->surface().Refresh();
        QCOMPARE(printed.size(), 18);
        const QImage image = window->surface().Image();
        const int ratio = int(image.devicePixelRatio());
        // Ink between fractions of a piece's width.
        const auto ink = [&](int piece, double from = 0, double to = 1) {
            const PrintedText& p = printed[piece];
            const double width = p.endX - p.x;
            return InkRows(image, p.x + from * width, p.x + to * width, p.y - 4, p.y + 30);
        };
        const QList<QList<int>> valueThenUnits{{3, 4}, {7, 8, 9}, {11, 13}, {15, 16, 17}};
        for (const QList<int>& row : valueThenUnits)
            for (const int unit : row.mid(1))
                QVERIFY2(std::abs(ink(row[0]).second - ink(unit).second) <= ratio,
                         qPrintable(printed[row[0]].text + printed[unit].text));
        // The mu's right stem ends on its baseline; the left one reaches below.
        const int raised = ink(13).second - ink(12, 0.5).second;
        QVERIFY2(raised >= 1 && raised <= ratio, qPrintable(QString::number(raised)));
        // The fourth of the nine characters after the minus is the long vowel mark.
        const QPair<int, int> minus = ink(1), mark = ink(2, 3 / 9.0, 4 / 9.0);
        const int apart = minus.first + minus.second - mark.first - mark.second; // twice
        QVERIFY2(std::abs(apart) <= 2 * ratio, qPrintable(QString::number(apart)));
    }

    // The main window itself: its readout on first paint and after each
    // change of slits.
    void windowStatesItsApparatus_data() {
        QTest::addColumn<int>("press");
        QTest::addColumn<QString>("word");
        QTest::newRow("two slits at start") << 0 << QString::fromUtf16(Spacing);
        QTest::newRow("one slit: width") << 1 << QString::fromUtf16(Width);
        QTest::newRow("three slits: spacing") << 3 << QString::fromUtf16(Spacing);
    }
    void windowStatesItsApparatus() {
        QFETCH(int, press);
        QFETCH(QString, word);
        fenwa::test::ScriptedRandom random({});
        fenwa::test::MainWindowFixture window;
        QVERIFY(window.Open(random));

        Observe(window->surface());
        if (press == 0)
            window->surface().Refresh();
        else
            QTest::mouseClick(window->cmdSlitNo[std::size_t(press)], Qt::LeftButton);

        // The window's 794 x 568 pixels against the readout's 800 x 600.
        const float fw = float(794 / 800.0);
        const float fh = float(568 / 600.0);
        QList<Pieces> rows = DefaultRows(Spacing);
        rows[1][1].text = word;
        CheckReadout(printed, rows, {100, fh * 120 + 20, fh * 160 + 20, fh * 200 + 20}, fw, fh);
    }
};

QTEST_MAIN(ReadoutTest)
#include "tst_readout.moc"
