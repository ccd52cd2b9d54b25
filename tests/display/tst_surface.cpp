// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/PictureBox.h"
#include "display/forms/WindowZoom.h"
#include "display/surface/Surface.h"
#include "display/text/Fonts.h"
#include "display/zoom/Zoom.h"

#include <QPainter>
#include <QtTest>

using fenwa::display::BgrColor;
using fenwa::display::PictureBox;
using fenwa::display::RGB;
using fenwa::display::SetZoomFactor;
using fenwa::display::Surface;
using fenwa::display::ToQColor;

namespace {
constexpr BgrColor Red = RGB(255, 0, 0);
constexpr BgrColor Blue = RGB(0, 0, 255);
constexpr BgrColor Grey = RGB(96, 96, 128);
} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

    // A panel whose drawing area is 100 x 50 pixels.
    std::unique_ptr<PictureBox> panel;
    Surface& surface() { return panel->surface(); }
    // The device pixels of one pixel of the area: one, or a block of them on
    // a high-density screen.
    int Ratio() { return int(surface().Image().devicePixelRatio()); }
    QColor PixelAt(int x, int y) { return surface().Image().pixelColor(x * Ratio(), y * Ratio()); }
    // The panel at a zoom: the same 100 x 50 pixels of the design inside.
    void Zoom(double factor) {
        SetZoomFactor(factor);
        panel->resize(fenwa::display::ToScreen(QSize(104, 54)));
        surface().SetBackColor(Grey);
    }
    // Where the device pixels of a colour lie, and how many there are; with
    // ink, those of every colour but the background.
    QRect Where(QRgb colour, int* count = nullptr, bool ink = false) {
        const QImage image = surface().Image();
        QRect where;
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) == colour) != ink) {
                    where |= QRect(x, y, 1, 1);
                    ++found;
                }
        if (count) *count = found;
        return where;
    }

private slots:
    // QtTest lays text out at 96 dots per inch whatever the screen says; the
    // surface must do so on its own.
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false); }

    void init() {
        panel = std::make_unique<PictureBox>();
        panel->resize(100 + 2 * PictureBox::BorderWidth, 50 + 2 * PictureBox::BorderWidth);
        surface().SetBackColor(Grey);
    }
    void cleanup() { SetZoomFactor(1.0); }

    void clsClearsAndReturnsThePenHome() {
        surface().PSet(10, 10, Red);
        surface().SetCurrentX(40);
        surface().SetCurrentY(30);
        surface().Cls();
        QCOMPARE(surface().CurrentX(), 0.0);
        QCOMPARE(surface().CurrentY(), 0.0);
        QCOMPARE(surface().Point(10, 10), Grey);
    }

    void newBackColorErasesTheDrawing() {
        surface().PSet(5, 5, Red);
        surface().SetBackColor(Blue);
        QCOMPARE(surface().Point(5, 5), Blue);
    }

    void psetColoursOnePixelAndMovesThePen() {
        surface().SetForeColor(Blue);
        surface().PSet(7, 8);
        surface().PSet(20, 21, Red);
        QCOMPARE(surface().Point(7, 8), Blue);
        QCOMPARE(surface().Point(20, 21), Red);
        QCOMPARE(surface().Point(21, 21), Grey);
        QCOMPARE(surface().Point(20, 22), Grey);
        QCOMPARE(surface().CurrentX(), 20.0);
        QCOMPARE(surface().CurrentY(), 21.0);
    }

    void drawingOutsideTheAreaIsHarmless() {
        surface().PSet(-5, -5, Red);
        surface().PSet(1e9, 1e9, Red);
        surface().LineTo(-1e6, 3e6, Red);
        QCOMPARE(surface().Point(-1, 0), BgrColor(0xFFFFFFFF));
        QCOMPARE(surface().Point(100, 0), BgrColor(0xFFFFFFFF));
    }

    void lineRunsFromThePen() {
        surface().PSet(10, 40, Red);
        surface().LineTo(10, 10, Blue);
        QCOMPARE(surface().Point(10, 25), Blue);
        QCOMPARE(surface().CurrentY(), 10.0);
    }

    void boxSpansBothCorners() {
        surface().Box(10, 5, 20, 30, Red);
        for (const QPoint corner : {QPoint(10, 5), QPoint(30, 5), QPoint(10, 35), QPoint(30, 35)})
            QCOMPARE(surface().Point(corner.x(), corner.y()), Red);
        QCOMPARE(surface().Point(20, 20), Grey); // an outline, not a fill
        QCOMPARE(surface().Point(31, 35), Grey);
        QCOMPARE(surface().Point(10, 36), Grey);
    }

    // Every device pixel of the image is drawn as the area pixel it lies in
    // is: a box's outline and lines covers whole pixels, never half of one and
    // half of its neighbour, and a box has square corners.
    void shapesCoverWholePixelsAtAnyRatio() {
        QCOMPARE(surface().Image().size(), QSize(100, 50) * Ratio());
        surface().Box(0, 0, 20, 10, Red); // on the area's edges
        surface().Box(30, 5, 7, 9, Red);
        surface().Box(0, 20, 0, 8, Red);  // no width, on the left edge: a line
        surface().Box(60, 2, 10, 0, Red); // no height
        surface().PSet(50, 20, Red);
        surface().LineTo(50, 40, Red); // down from the dot
        surface().LineTo(90, 40, Red); // and across
        const auto onShape = [](int x, int y) {
            const auto box = [&](int left, int top, int right, int bottom) {
                const bool across = left <= x && x <= right, down = top <= y && y <= bottom;
                return (across && (y == top || y == bottom)) || (down && (x == left || x == right));
            };
            return box(0, 0, 20, 10) || box(30, 5, 37, 14) || box(0, 20, 0, 28) ||
                   box(60, 2, 70, 2) || (x == 50 && 20 <= y && y <= 40) ||
                   (y == 40 && 50 <= x && x <= 90);
        };
        const QImage image = surface().Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor expected = ToQColor(onShape(x / Ratio(), y / Ratio()) ? Red : Grey);
                QVERIFY2(image.pixelColor(x, y) == expected,
                         qPrintable(QStringLiteral("device pixel %1, %2").arg(x).arg(y)));
            }
    }

    // Text is drawn at the device's resolution, not enlarged from a coarser
    // image: some glyph edge falls inside a block of device pixels.
    void textIsSharpOnAHighDensityScreen() {
        if (Ratio() == 1) QSKIP("needs a device pixel ratio above 1");
        surface().SetFontName(QStringLiteral("Arial"));
        surface().SetFontSize(12);
        surface().SetForeColor(RGB(255, 255, 255));
        surface().Print(QStringLiteral("fenwa 633"));
        const QImage image = surface().Image();
        bool finer = false;
        for (int y = 0; y + 1 < image.height() && !finer; y += 2)
            for (int x = 0; x + 1 < image.width() && !finer; x += 2)
                finer = image.pixel(x, y) != image.pixel(x + 1, y) ||
                        image.pixel(x, y) != image.pixel(x, y + 1);
        QVERIFY(finer);
    }

    // A point is 96/72 pixels on every screen, as it is in the layout's twips,
    // also where the desktop reports more dots per inch to enlarge its fonts.
    void textIsLaidOutAtNinetySixDotsPerInch() {
        surface().SetFontName(QStringLiteral("Arial"));
        surface().SetFontSize(12);
        surface().SetForeColor(RGB(255, 255, 255));
        surface().Print(QStringLiteral("H"));
        QFont sixteen(QStringLiteral("Arial"));
        sixteen.setPixelSize(16);
        const QFontMetricsF metrics(sixteen);
        QCOMPARE(surface().TextHeight(QStringLiteral("H")), metrics.height());
        QCOMPARE(surface().TextWidth(QStringLiteral("H")), metrics.horizontalAdvance('H'));
        QImage expected(surface().Image().size(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(surface().Image().devicePixelRatio());
        expected.fill(ToQColor(Grey));
        QPainter painter(&expected);
        painter.setFont(sixteen);
        painter.setPen(Qt::white);
        painter.drawText(QPointF(0, metrics.ascent()), QStringLiteral("H"));
        painter.end();
        QCOMPARE(surface().Image(), expected);
        // And a control's font, which the screen's own inch lays out.
        QCOMPARE(QFontInfo(fenwa::display::MakeFont(QStringLiteral("Arial"), 12)).pixelSize(), 16);
    }

    // At 175 % the 100 pixels of the design span 174 screen pixels: a dot is
    // one square block, 2 device pixels across on an ordinary screen and 4 on
    // a dense one, set where its pixel falls; neighbours' blocks are alike,
    // and the last pixel keeps its whole block inside the area.
    void aDotIsOneSquareBlockWhenZoomed_data() {
        QTest::addColumn<QPoint>("dot");
        QTest::addColumn<QPoint>("atRatio1");
        QTest::addColumn<QPoint>("atRatio2");
        QTest::newRow("first") << QPoint(0, 0) << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("inside") << QPoint(10, 20) << QPoint(17, 34) << QPoint(35, 69);
        QTest::newRow("its neighbour") << QPoint(11, 20) << QPoint(19, 34) << QPoint(38, 69);
        QTest::newRow("last") << QPoint(99, 49) << QPoint(172, 84) << QPoint(344, 168);
    }
    void aDotIsOneSquareBlockWhenZoomed() {
        QFETCH(QPoint, dot);
        QFETCH(QPoint, atRatio1);
        QFETCH(QPoint, atRatio2);
        Zoom(1.75);
        QCOMPARE(surface().ScaleWidth(), 100.0);
        QCOMPARE(surface().ScaleHeight(), 50.0);
        surface().PSet(dot.x(), dot.y(), Red);
        int count = 0;
        const int side = 2 * Ratio();
        QCOMPARE(Where(ToQColor(Red).rgb(), &count),
                 QRect(Ratio() == 1 ? atRatio1 : atRatio2, QSize(side, side)));
        QCOMPARE(count, side * side);
        QCOMPARE(surface().Point(dot.x(), dot.y()), Red);
    }

    // Zoomed lines are as crisp as dots: as thick as a dot's block and on its
    // rows, in one colour with no blend at their edges, also when slanted.
    void zoomedLinesAreAsThickAsADot() {
        Zoom(1.75);
        surface().PSet(5, 40, Blue);
        surface().PSet(10, 40, Red);
        surface().LineTo(90, 40, Red);
        int red = 0, blue = 0, grey = 0;
        const QRect dot = Where(ToQColor(Blue).rgb(), &blue);
        const QRect line = Where(ToQColor(Red).rgb(), &red);
        QCOMPARE(line.top(), dot.top());
        QCOMPARE(line.height(), dot.height());
        QCOMPARE(red, line.width() * line.height()); // one solid band
        surface().LineTo(95, 10, Red);
        Where(ToQColor(Red).rgb(), &red);
        Where(ToQColor(Grey).rgb(), &grey);
        QCOMPARE(red + blue + grey, surface().Image().width() * surface().Image().height());
    }

    // Zoomed text is drawn at its zoomed size, not enlarged from a smaller
    // drawing: twice as tall at 200 %, with glyph edges inside the blocks that
    // an enlarged drawing would fill whole.
    void zoomedTextIsDrawnAtItsSize() {
        surface().SetFontName(QStringLiteral("Arial"));
        surface().SetFontSize(12);
        surface().SetForeColor(RGB(255, 255, 255));
        surface().Print(QStringLiteral("H"));
        const QRgb grey = ToQColor(Grey).rgb();
        const int height = Where(grey, nullptr, true).height();
        Zoom(2.0);
        surface().SetCurrentX(0);
        surface().Print(QStringLiteral("H"));
        QVERIFY(std::abs(Where(grey, nullptr, true).height() - 2 * height) <= Ratio());
        const QImage image = surface().Image();
        const int block = 2 * Ratio();
        bool finer = false;
        for (int y = 0; y + block <= image.height() && !finer; y += block)
            for (int x = 0; x + block <= image.width() && !finer; x += block)
                for (int dy = 0; dy < block && !finer; ++dy)
                    for (int dx = 0; dx < block && !finer; ++dx)
                        finer = image.pixel(x + dx, y + dy) != image.pixel(x, y);
        QVERIFY(finer);
    }

    // The sunken frame fills its two rings all round on any screen and at
    // any zoom, so no device pixel of the panel is left undrawn.
    void frameFillsItsBorder_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("ring"); // screen pixels
        QTest::newRow("100 %") << 1.0 << 1;
        QTest::newRow("125 %") << 1.25 << 1;
        QTest::newRow("175 %") << 1.75 << 2;
        QTest::newRow("250 %") << 2.5 << 3;
    }
    void frameFillsItsBorder() {
        QFETCH(double, zoom);
        QFETCH(int, ring);
        Zoom(zoom);
        const QImage grab = panel->grab().toImage();
        const int band = ring * int(grab.devicePixelRatio());
        const auto colour = [&](QPalette::ColorRole role) {
            return panel->palette().color(role).rgb();
        };
        const int x = grab.width() / 2, bottom = grab.height() - 1;
        for (int y = 0; y < band; ++y) {
            QCOMPARE(grab.pixel(x, y), colour(QPalette::Dark));
            QCOMPARE(grab.pixel(x, band + y), colour(QPalette::Shadow));
            QCOMPARE(grab.pixel(x, bottom - band - y), colour(QPalette::Midlight));
            QCOMPARE(grab.pixel(x, bottom - y), colour(QPalette::Light));
        }
        QCOMPARE(grab.pixel(x, 2 * band), ToQColor(Grey).rgb());
    }

    void zeroWidthBoxIsAVerticalLine() {
        surface().Box(0, 10, 0, 5, Red);
        QCOMPARE(surface().Point(0, 12), Red);
        QCOMPARE(surface().Point(1, 12), Grey);
    }

    void userScaleMapsCornersAndSizes() {
        surface().Scale(-1, -3, 20, 13);
        QCOMPARE(surface().ScaleLeft(), -1.0);
        QCOMPARE(surface().ScaleTop(), -3.0);
        QCOMPARE(surface().ScaleWidth(), 21.0);
        QCOMPARE(surface().ScaleHeight(), 16.0);
        // (-1, -3) is the top-left pixel; 21 units span the 100 pixels.
        surface().PSet(-1, -3, Red);
        QCOMPARE(PixelAt(0, 0), QColor(Qt::red));
        surface().PSet(9.5, 5, Blue); // half-way across, half-way down
        QCOMPARE(PixelAt(50, 25), QColor(Qt::blue));
    }

    void scaleModesReportTheInnerSize() {
        surface().SetScaleMode(Surface::Pixels);
        QCOMPARE(surface().ScaleWidth(), 100.0);
        QCOMPARE(surface().ScaleHeight(), 50.0);
        surface().SetScaleMode(Surface::Twips);
        QCOMPARE(surface().ScaleWidth(), 1500.0);
        QCOMPARE(surface().ScaleHeight(), 750.0);
    }

    void printAdvancesCurrentXOnly() {
        surface().SetFontName(QStringLiteral("Courier New"));
        surface().SetFontSize(12);
        surface().SetCurrentX(3);
        surface().SetCurrentY(4);
        surface().Print(QStringLiteral("AB"));
        const double afterTwo = surface().CurrentX();
        QVERIFY(afterTwo > 3);
        QCOMPARE(surface().CurrentY(), 4.0);
        QCOMPARE(afterTwo - 3, surface().TextWidth(QStringLiteral("AB")));
        surface().Print(QString());
        QCOMPARE(surface().CurrentX(), afterTwo);
        surface().PrintLine(QStringLiteral("C"));
        QCOMPARE(surface().CurrentX(), 0.0);
        QCOMPARE(surface().CurrentY(), 4.0 + surface().TextHeight(QStringLiteral("C")));
    }

    void printedTextIsInForeColor() {
        surface().SetFontName(QStringLiteral("Arial"));
        surface().SetFontSize(24);
        surface().SetForeColor(RGB(255, 255, 255));
        surface().Print(QStringLiteral("███"));
        const QImage image = surface().Image();
        bool white = false;
        for (int x = 0; x < 40 && !white; ++x)
            for (int y = 0; y < 40 && !white; ++y)
                white = image.pixelColor(x, y) == Qt::white;
        QVERIFY(white);
    }

    void textHeightFollowsScaleUnits() {
        surface().SetFontName(QStringLiteral("Arial"));
        surface().SetFontSize(12);
        const double pixels = surface().TextHeight(QStringLiteral("A"));
        surface().SetScaleMode(Surface::Twips);
        QCOMPARE(surface().TextHeight(QStringLiteral("A")), pixels * 15);
        QCOMPARE(surface().TextHeight(QStringLiteral("A\nB")), 2 * pixels * 15);
    }

    void refreshErasesAndRaisesPaintAtOnce() {
        int paints = 0;
        surface().SetPaintHandler([&] {
            ++paints;
            surface().PSet(1, 1, Blue);
        });
        surface().PSet(30, 30, Red);
        surface().Refresh();
        QCOMPARE(paints, 1);
        QCOMPARE(surface().Point(30, 30), Grey);
        QCOMPARE(surface().Point(1, 1), Blue);
    }

    void exposeRaisesPaintOnlyWhenTheDrawingMustBeRebuilt() {
        int paints = 0;
        surface().SetPaintHandler([&] { ++paints; });
        panel->grab();
        QCOMPARE(paints, 1); // first show
        panel->grab();
        QCOMPARE(paints, 1); // an expose only copies
        panel->resize(80, 80);
        panel->grab();
        QCOMPARE(paints, 2); // a new size rebuilds
    }

    void emptyAreaIgnoresDrawing() {
        panel->resize(0, 0);
        surface().PSet(0, 0, Red);
        surface().Print(QStringLiteral("x"));
        surface().Refresh();
        QCOMPARE(surface().Point(0, 0), BgrColor(0xFFFFFFFF));
    }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
