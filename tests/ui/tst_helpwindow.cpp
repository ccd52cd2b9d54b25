// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "WindowFixture.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/forms/WindowZoom.h"
#include "display/numbers/Rounding.h"
#include "display/text/Fonts.h"
#include "ui/help/HelpIcon.h"
#include "ui/help/frmFenwaHelp.h"

#include <QStyleOptionSlider>
#include <QtTest>

using namespace fenwa::display;
using fenwa::ui::frmFenwaHelp;
using fenwa::ui::HelpIconPicture;

namespace {

// The captions with their telling characters spelled as code points: the
// full-width comma, the leftward arrow, the half-width katakana middle dots.
const QString Caption = QString::fromUtf16(
    u"\u30D5\u30A9\u30C8\u30F3\u500B\u6570\u3092\u6307\u5B9A\u3059\u308B\u306B\u306F");
const QString Head = QString::fromUtf16(
    u"\u30D5\u30A9\u30C8\u30F3\u306E\u500B\u6570\u3092\u6307\u5B9A\u3059\u308B\u306B\u306F "
    u"\uFF65\uFF65\uFF65");
const QString TextBoxNote = QString::fromUtf16(
    u"\u2190 \u3053\u308C\u3092\uFF0C\u30C6\u30AD\u30B9\u30C8\u30DC\u30C3\u30AF\u30B9\u3068"
    u"\u8A00\u3044\u307E\u3059\u3002");
const QString ScrollBarNote = QString::fromUtf16(
    u"\u2190 \u3053\u308C\u3092\uFF0C\u6C34\u5E73\u30B9\u30AF\u30ED\u30FC\u30EB\u30D0\u30FC"
    u"\u3068\u8A00\u3044\u307E\u3059\u3002");

constexpr BgrColor PaleYellow = 0xC0F0F0;
constexpr QRgb PaleYellowRgb = 0xFFF0F0C0;

// The rows of the window's own drawing that hold ink, as [first, last] bands,
// in the window's pixels whatever the screen's pixel ratio.
QList<QPair<int, int>> InkBands(const QImage& image) {
    QList<QPair<int, int>> bands;
    const int ratio = int(image.devicePixelRatio());
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != PaleYellowRgb;
        if (!ink) continue;
        if (!bands.isEmpty() && bands.last().second >= (y - 1) / ratio)
            bands.last().second = y / ratio;
        else
            bands.append({y / ratio, y / ratio});
    }
    return bands;
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

    fenwa::test::WindowFixture<frmFenwaHelp> window;
    FakeEnvironment& fake = window.fake;

    TextBox* Box() { return window->txtN; }
    HScrollBar* Bar() { return window->hsbN; }

    // Where a part of the scroll bar lies, in the bar's pixels.
    QRect Part(QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(Bar());
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal;
        option.minimum = Bar()->minimum();
        option.maximum = Bar()->maximum();
        option.sliderPosition = Bar()->sliderPosition();
        option.sliderValue = Bar()->value();
        option.singleStep = Bar()->singleStep();
        option.pageStep = Bar()->pageStep();
        option.subControls = QStyle::SC_All;
        return Bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, Bar());
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init() { QVERIFY(window.Open()); }
    void cleanup() { window.Close(); }

    void opensWithItsCaptionsAndFiveThousand() {
        QCOMPARE(window->Caption(), Caption);
        QCOMPARE(window->lblHead->Caption(), Head);
        QCOMPARE(window->lblTextBoxNote->Caption(), TextBoxNote);
        QCOMPARE(window->lblScrollBarNote->Caption(), ScrollBarNote);
        QStringList markers;
        for (Label* marker : {window->lblLeftArrow, window->lblLeftTrack, window->lblThumb,
                              window->lblRightTrack, window->lblRightArrow})
            markers << marker->Caption();
        QCOMPARE(markers, QStringList({"A", "B", "C", "B", "A"}));

        QCOMPARE(Box()->text(), QStringLiteral("5000"));
        QCOMPARE(Box()->SelStart(), 4);
        QCOMPARE(QApplication::focusWidget(), Box());
        QCOMPARE(std::tuple(Bar()->Min(), Bar()->Max(), Bar()->SmallChange(), Bar()->LargeChange(),
                            Bar()->Value()),
                 std::tuple(100, 10000, 10, 100, 5000));

        QCOMPARE(window->size(), QSize(548, 373));
        QVERIFY(window->minimumSize() != window->maximumSize()); // sizable
        QVERIFY(!(window->windowFlags() &
                  (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QList<QSize> icons = window->windowIcon().availableSizes();
        QVERIFY(icons.contains(QSize(16, 16)) && icons.contains(QSize(32, 32)));
        // Every picture of it, the desktop's too, has a silver frame one
        // pixel wide all round: the outer ring is silver, the next one not.
        for (const int size : {16, 32, 256}) {
            const QImage picture = HelpIconPicture(size);
            for (const int ring : {0, 1})
                for (int i = ring, far = size - 1 - ring; i <= far; ++i)
                    for (const QPoint at :
                         {QPoint(i, ring), QPoint(i, far), QPoint(ring, i), QPoint(far, i)})
                        QVERIFY2(
                            (picture.pixel(at) == qRgb(192, 192, 192)) == (ring == 0),
                            qPrintable(
                                QStringLiteral("%1: %2, %3").arg(size).arg(at.x()).arg(at.y())));
        }
    }

    void coloursAfterLoad() {
        QCOMPARE(window->BackColor(), PaleYellow);
        QCOMPARE(window->grab().toImage().pixel(5, 5), PaleYellowRgb);
        for (Label* label : {window->lblHead, window->lblTextBoxNote, window->lblScrollBarNote,
                             window->lblLeftTrack, window->lblRightArrow, window->lblRightTrack,
                             window->lblThumb, window->lblLeftArrow})
            QCOMPARE(label->BackColor(), 0xC8F0F0u);
        QCOMPARE(window->lblTextBoxNote->ForeColor(), 0xC00000u);
        QCOMPARE(window->lblScrollBarNote->ForeColor(), 0xC00000u);
        // Its colours are its own, the practice controls' too, whatever the desktop's.
        QCOMPARE(fenwa::test::UnderADarkDesktop(*window), window->grab().toImage());
    }

    void headingStandsAtAQuarterOfTheWidth() {
        // Load takes the width it knows before the window is shown, when the
        // frame is not yet known: a quarter of 548 pixels.
        const auto* head = window->lblHead;
        QCOMPARE(head->x(), 137);
        QVERIFY(qAbs(head->x() - window->frameGeometry().width() / 4) <= 2);
        QCOMPARE(head->y(), 19);
    }

    void markersStandUnderTheirPartsOfTheScrollBar_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QStyle::SubControl>("part");
        QTest::newRow("A under the left arrow") << "Label7" << QStyle::SC_ScrollBarSubLine;
        QTest::newRow("B left of the thumb") << "Label3" << QStyle::SC_ScrollBarSubPage;
        QTest::newRow("C under the thumb at 5000") << "Label6" << QStyle::SC_ScrollBarSlider;
        QTest::newRow("B right of the thumb") << "Label5" << QStyle::SC_ScrollBarAddPage;
        QTest::newRow("A under the right arrow") << "Label4" << QStyle::SC_ScrollBarAddLine;
    }
    void markersStandUnderTheirPartsOfTheScrollBar() {
        QFETCH(QString, marker);
        QFETCH(QStyle::SubControl, part);
        const QRect below = Part(part).translated(Bar()->pos());
        const auto* label = window->findChild<Label*>(marker); // the row names it
        const int middle = label->geometry().center().x();
        QVERIFY2(below.left() <= middle && middle <= below.right(),
                 qPrintable(QStringLiteral("%1 at %2, part from %3 to %4")
                                .arg(marker)
                                .arg(middle)
                                .arg(below.left())
                                .arg(below.right())));
        QVERIFY(label->y() >= Bar()->geometry().bottom() - 1);
    }

    void arrowKeysStepTheBoxWithinLimits_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        const int right = Qt::Key_Right, left = Qt::Key_Left;
        QTest::newRow("right from 5000") << "5000" << right << "5010";
        QTest::newRow("left from 5000") << "5000" << left << "4990";
        QTest::newRow("right from 9980 reaches 9990") << "9980" << right << "9990";
        QTest::newRow("right from 9990 stops short of 10000") << "9990" << right << "9990";
        QTest::newRow("right from a typed 9995") << "9995" << right << "9995";
        QTest::newRow("left from 120 reaches 110") << "120" << left << "110";
        QTest::newRow("left from 110 stops short of 100") << "110" << left << "110";
        QTest::newRow("left from a typed 105") << "105" << left << "105";
        QTest::newRow("leading zeros are read") << "0500" << right << "510";
        QTest::newRow("empty box, right") << "" << right << "";
        QTest::newRow("empty box, left") << "" << left << "";
        QTest::newRow("beyond 32 bits, right") << "99999999999" << right << "99999999999";
        QTest::newRow("beyond 32 bits, left") << "99999999999" << left << "99999999999";
        QTest::newRow("largest 32-bit, right does not wrap")
            << "2147483647" << right << "2147483647";
        QTest::newRow("largest 32-bit, left") << "2147483647" << left << "2147483637";
    }
    void arrowKeysStepTheBoxWithinLimits() {
        QFETCH(QString, before);
        QFETCH(int, key);
        QFETCH(QString, after);
        Box()->setText(before);
        QTest::keyClick(Box(), Qt::Key(key));
        QCOMPARE(Box()->text(), after);
        QCOMPARE(Bar()->Value(), 5000); // the box's step leaves the bar alone
        QVERIFY(window->isVisible());
        QCOMPARE(fake.beeps, 0);
    }

    void typingLetsOnlyDigitsAndBackspaceIn_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digit") << int(Qt::Key_7) << "7"
                               << "50007" << 0;
        QTest::newRow("first digit") << int(Qt::Key_0) << "0"
                                     << "50000" << 0;
        QTest::newRow("last digit") << int(Qt::Key_9) << "9"
                                    << "50009" << 0;
        QTest::newRow("slash, before 0") << int(Qt::Key_Slash) << "/"
                                         << "5000" << 1;
        QTest::newRow("colon, after 9") << int(Qt::Key_Colon) << ":"
                                        << "5000" << 1;
        QTest::newRow("backspace deletes") << int(Qt::Key_Backspace) << "\b"
                                           << "500" << 0;
        QTest::newRow("letter") << int(Qt::Key_A) << "a"
                                << "5000" << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-"
                               << "5000" << 1;
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r"
                               << "5000" << 1;
        QTest::newRow("space") << int(Qt::Key_Space) << " "
                               << "5000" << 1;
        QTest::newRow("full-width digit")
            << int(Qt::Key_unknown) << QString(QChar(0xFF15)) << "5000" << 1;
    }
    void typingLetsOnlyDigitsAndBackspaceIn() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        // The KeyPress handler alone, without the validator that would hide
        // a slip of it.
        Box()->setValidator(nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(Box(), &press);
        QCOMPARE(Box()->text(), after);
        QCOMPARE(fake.beeps, beeps);
    }

    void clicksOnTheScrollBarShowInTheBox_data() {
        QTest::addColumn<QStyle::SubControl>("part");
        QTest::addColumn<int>("value");
        QTest::newRow("A right: up by 10") << QStyle::SC_ScrollBarAddLine << 5010;
        QTest::newRow("A left: down by 10") << QStyle::SC_ScrollBarSubLine << 4990;
        QTest::newRow("B right: up by 100") << QStyle::SC_ScrollBarAddPage << 5100;
        QTest::newRow("B left: down by 100") << QStyle::SC_ScrollBarSubPage << 4900;
    }
    void clicksOnTheScrollBarShowInTheBox() {
        QFETCH(QStyle::SubControl, part);
        QFETCH(int, value);
        Box()->SetSelStart(0);
        QTest::mouseClick(Bar(), Qt::LeftButton, {}, Part(part).center());
        QCOMPARE(Bar()->Value(), value);
        QCOMPARE(Box()->text(), QString::number(value));
        QCOMPARE(Box()->SelStart(), 4);
    }

    void draggingTheThumbShowsEveryValue() {
        const QPoint grip = Part(QStyle::SC_ScrollBarSlider).center();
        QStringList shown;
        QTest::mousePress(Bar(), Qt::LeftButton, {}, grip);
        for (int step = 1; step <= 3; ++step) {
            Box()->SetSelStart(0);
            QTest::mouseMove(Bar(), grip + QPoint(4 * step, 0));
            QCOMPARE(Box()->text(), QString::number(Bar()->Value()));
            QCOMPARE(Box()->SelStart(), int(Box()->text().size()));
            shown << Box()->text();
        }
        QTest::mouseRelease(Bar(), Qt::LeftButton, {}, grip + QPoint(12, 0));
        shown.removeDuplicates();
        QCOMPARE(shown.size(), 3);
        QVERIFY(Bar()->Value() > 5000);
        QCOMPARE(Box()->text(), QString::number(Bar()->Value()));
    }

    void arrowKeysOnTheScrollBarMoveTheBar_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        QTest::newRow("right at 9990 reaches 10000") << 9990 << int(Qt::Key_Right) << 10000;
        QTest::newRow("left at 110 reaches 100") << 110 << int(Qt::Key_Left) << 100;
        QTest::newRow("right at 5000") << 5000 << int(Qt::Key_Right) << 5010;
    }
    void arrowKeysOnTheScrollBarMoveTheBar() {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, value);
        Bar()->SetValue(start);
        Bar()->setFocus();
        QTest::keyClick(Bar(), Qt::Key(key));
        QCOMPARE(Bar()->Value(), value);
        QCOMPARE(Box()->text(), QString::number(value));
    }

    void eightLinesStandBetweenHeadingAndTextBox() {
        const QList<QPair<int, int>> bands = InkBands(window->surface().Image());
        QCOMPARE(bands.size(), 8);
        QVERIFY(bands.first().first > window->lblHead->geometry().bottom());
        QVERIFY(bands.last().second < Box()->y());
    }

    // Opened while the program is zoomed, the window is at the zoom, and its
    // lines stand in their places between the heading and the text box.
    void opensAtTheCurrentZoom() {
        window.Close();
        SetZoomFactor(1.5);
        QVERIFY(window.Open());
        QCOMPARE(window->size(), QSize(822, 560));
        QCOMPARE(window->lblHead->pos(), QPoint(206, 28)); // 137 and 19 at the actual size
        QCOMPARE(window->surface().ScaleWidth(), 21.0);
        eightLinesStandBetweenHeadingAndTextBox();
    }

    void linesKeepTheirPlaceWhenTheWindowIsResized_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(760, 520);
        QTest::newRow("smaller") << QSize(420, 300);
    }
    void linesKeepTheirPlaceWhenTheWindowIsResized() {
        QFETCH(QSize, size);
        const QList<QPair<int, int>> before = InkBands(window->surface().Image());
        window->resize(size);
        window->grab(); // repaints at the new size
        QCOMPARE(window->surface().Image().deviceIndependentSize().toSize(), size);
        QList<QPair<int, int>> after = InkBands(window->surface().Image());
        QList<QPair<int, int>> expected;
        for (const auto& band : before)
            if (band.second < size.height()) expected << band;
        QCOMPARE(after, expected);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
