#include "display/PictureBox.h"
#include "display/Surface.h"

#include <QtTest>

using fenwa::display::OleColor;
using fenwa::display::PictureBox;
using fenwa::display::RGB;
using fenwa::display::Surface;

namespace {
constexpr OleColor Red = RGB(255, 0, 0);
constexpr OleColor Blue = RGB(0, 0, 255);
constexpr OleColor Grey = RGB(96, 96, 128);
} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

    // A panel whose drawing area is 100 x 50 pixels.
    std::unique_ptr<PictureBox> panel;
    Surface& surface() { return panel->surface(); }

private slots:
    void init() {
        panel = std::make_unique<PictureBox>();
        panel->resize(100 + 2 * PictureBox::BorderWidth, 50 + 2 * PictureBox::BorderWidth);
        surface().SetBackColor(Grey);
    }

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
        QCOMPARE(surface().Point(-1, 0), OleColor(0xFFFFFFFF));
        QCOMPARE(surface().Point(100, 0), OleColor(0xFFFFFFFF));
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
        QCOMPARE(surface().Image().pixelColor(0, 0), QColor(Qt::red));
        surface().PSet(9.5, 5, Blue); // half-way across, half-way down
        QCOMPARE(surface().Image().pixelColor(50, 25), QColor(Qt::blue));
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
        QCOMPARE(surface().Point(0, 0), OleColor(0xFFFFFFFF));
    }
};

QTEST_MAIN(SurfaceTest)
#include "tst_surface.moc"
