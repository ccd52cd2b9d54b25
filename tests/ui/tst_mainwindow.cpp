// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "MainWindowFixture.h"
#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/desktop/SystemEnvironment.h"
#include "display/forms/WindowZoom.h"
#include "display/text/Fonts.h"
#include "display/zoom/Zoom.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/frmFenwa.h"
#include "ui/results/SaveFile.h"

#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace fenwa::display;
using fenwa::ui::frmFenwa;

namespace {

// Records the seed it is given; otherwise a plain sequence.
class SeedSpy : public fenwa::model::RandomSource {
public:
    std::vector<float> seeds;
    void Randomize(float seed) override { seeds.push_back(seed); }
    float RandomNext() override { return 0.5f; }
};

// The texts with their telling characters spelled as code points: the
// ideographic space, full-width digits and hyphens, the guillemets.
const QString Head = QString::fromUtf16(
    u"\u300A \u5F31\u3044\u5149\u306B\u3088\u308B\u30D5\u30A7\u30F3\u30EF\u306E\u5B9F\u9A13 "
    u"\u300B\uFF0D\uFF0D ");
const QString Tail =
    QString::fromUtf16(u"\u500B\u306E\u30B9\u30EA\u30C3\u30C8\u306B\u3088\u308B\u56DE\u6298 ");
const QString OneSlit = QString::fromUtf16(
    u" \u5358\u30B9\u30EA\u30C3\u30C8\u306B\u3088\u308B\u5149\u306E\u56DE\u6298 ");
const QString CaptionTail =
    QString::fromUtf16(u"\u30B9\u30EA\u30C3\u30C8\u306B\u3088\u308B\u5149\u306E\u56DE\u6298");

QString WindowCaption(int slits) {
    const QString kind = slits == 1
                             ? QString::fromUtf16(u"\u5358")
                             : QString(QChar(0xFF10 + slits)) + QString::fromUtf16(u"\u91CD");
    return QString(QChar(0x3000)) + kind + CaptionTail;
}

QString Title(int slits) {
    return slits == 1 ? Head + OneSlit : Head + QChar(0xFF10 + slits) + Tail;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    SeedSpy random;
    fenwa::test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;

    CommandButton* Slit(int i) { return window->cmdSlitNo[std::size_t(i)]; }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window->txtN, Qt::Key(key), modifiers);
    }
    // The main window afresh, with a zoom kept from the last time.
    void Reopen(const QString& kept, QRect available = {0, 0, 1920, 1080}) {
        window.Close();
        fake.remembered[QStringLiteral("zoom")] = kept;
        fake.available = available;
        QVERIFY(window.Open(random));
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init() {
        fake.timer = 45296.5f;
        random = SeedSpy();
        QVERIFY(window.Open(random));
    }
    void cleanup() { window.Close(); }

    void opensWithTwoSlitsAndACountOfHundred() {
        QCOMPARE(window->Caption(), WindowCaption(2));
        QCOMPARE(window->lblA->Caption(), Title(2));
        QCOMPARE(window->lblMSG->Caption(),
                 QString::fromUtf16(u"\u30D5\u30A9\u30C8\u30F3\u306E\u500B\u6570\u3092\u6307\u5B9A"
                                    u"\u3057\u3066\uFF0C\u3053\u3053\u3092\u30AF\u30EA\u30C3\u30AF"
                                    u"\u3057\u3066\u304F\u3060\u3055\u3044\u3002"));
        QCOMPARE(window->cmdHelp->text(), QStringLiteral("フォトン数 指定方法の説明"));
        QCOMPARE(window->cmdEnd->text(), QStringLiteral("終了"));
        QCOMPARE(window->Label2->Caption(), QString::fromUtf16(u"p. 13\uFF5E15"));
        QCOMPARE(Slit(1)->text(), QString::fromUtf16(u"\u5358\u30B9\u30EA\u30C3\u30C8"));
        QCOMPARE(Slit(3)->text(), QString::fromUtf16(u"\uFF13\u91CD\u30B9\u30EA\u30C3\u30C8"));
        for (auto [index, caption] : {std::pair{0, "100"}, {1, "2000"}, {2, "10000"}})
            QCOMPARE(window->lblPhotonN[index]->Caption(), QString::fromLatin1(caption));

        auto* box = window->txtN;
        QCOMPARE(box->text(), QStringLiteral("100"));
        QCOMPARE(box->SelStart(), 3);
        QCOMPARE(QApplication::focusWidget(), box);
        auto* bar = window->hsbN;
        QCOMPARE(std::tuple(bar->Min(), bar->Max(), bar->SmallChange(), bar->LargeChange(),
                            bar->Value()),
                 std::tuple(100, 10000, 10, 100, 100));

        const auto& apparatus = window->apparatus();
        QCOMPARE(apparatus.SlitCount, std::int16_t(2));
        QCOMPARE(apparatus.YMax, 0.012660000000000001); // 6.33e-6 / 0.0005
        QCOMPARE(window->photonCount(), 100);
        QVERIFY(!window->running());
        QCOMPARE(random.seeds, std::vector<float>{45296.5f}); // the time of day
        // Of a fixed size (the zoom's steps tell which), with a close box only.
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void coloursAfterLoad() {
        QCOMPARE(window->BackColor(), 0xF0F0F0u);
        for (Label* label : {window->lblA, window->Label1, window->Label2, window->lblMSG,
                             window->lblPhotonN[0], window->lblPhotonN[2]})
            QCOMPARE(label->BackColor(), 0xF0F0F0u);
        QCOMPARE(window->GetSrc->BackColor(), 0xF8F8F8u);
        for (CommandButton* button : {window->cmdHelp, window->cmdEnd, Slit(1), Slit(3)})
            QCOMPARE(button->BackColor(), 0xF0F0F0u);
        QCOMPARE(Slit(2)->BackColor(), 0xFFDCDCu);
        QCOMPARE(window->Pic->BackColor(), 0xF0F0F0u);
        QCOMPARE(window->Histo->BackColor(), 0xF0F0F0u);
        QCOMPARE(window->lblMSG->ForeColor(), 0xC00000u);
        // Its colours are its own, the count box's too, whatever the desktop's.
        QCOMPARE(fenwa::test::UnderADarkDesktop(*window), window->grab().toImage());
        // Both panels show only their light grey until a run.
        const QImage panel = window->Pic->grab().toImage();
        QCOMPARE(panel.pixelColor(panel.width() / 2, panel.height() / 2), QColor(240, 240, 240));
    }

    void promptWidensToItsCaption() {
        auto* prompt = window->lblMSG;
        QCOMPARE(prompt->pos(), QPoint(80, 520));
        QVERIFY(prompt->width() > 300);
        QVERIFY(window->lblA->width() > 400);
    }

    void slitButtonsRetitleAndMark_data() {
        QTest::addColumn<QList<int>>("presses");
        QTest::newRow("one slit") << QList<int>{1};
        QTest::newRow("three slits") << QList<int>{3};
        QTest::newRow("three, then back to two") << QList<int>{3, 2};
        QTest::newRow("the selected one again") << QList<int>{2};
        QTest::newRow("one, then one again") << QList<int>{1, 1};
    }
    void slitButtonsRetitleAndMark() {
        QFETCH(QList<int>, presses);
        for (int press : presses)
            QTest::mouseClick(Slit(press), Qt::LeftButton);
        const int slits = presses.last();
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(slits));
        QCOMPARE(window->Caption(), WindowCaption(slits));
        QCOMPARE(window->lblA->Caption(), Title(slits));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(Slit(i)->BackColor(), i == slits ? 0xFFDCDCu : 0xF0F0F0u);
        window.Type(QStringLiteral("100"));
        QTest::keyClick(window->txtN, Qt::Key_Return);
        window.RunToEnd(); // and the run's picture names them
        QCOMPARE(window->results().PictureLine(),
                 Slit(slits)->text() + QString::fromUtf16(u"\u3000フォトン 100 個"));
    }

    // Each step of the zoom, from the keyboard, on a screen that holds them
    // all; the panels keep their pixels of the design, and back at the actual
    // size the window is what it was, to the pixel.
    void everyStepOfTheZoom() {
        fake.available = QRect(0, 0, 4000, 3000);
        QApplication::setCursorFlashTime(0); // a caret that stays
        const QImage actualSize = window->grab().toImage();
        const QList<QSize> sizes{{794, 568},   {992, 710},   {1191, 852}, {1390, 994},
                                 {1588, 1136}, {1985, 1420}, {2382, 1704}};
        for (qsizetype step = 0; step < sizes.size(); ++step) {
            if (step > 0) Key(step % 2 ? Qt::Key_Plus : Qt::Key_Equal);
            QCOMPARE(window->size(), sizes[step]);
        }
        QCOMPARE(window->Pic->surface().ScaleWidth(), 187.0);
        QCOMPARE(window->Histo->surface().ScaleWidth(), 182.0);
        QCOMPARE(window->Histo->surface().ScaleHeight(), 396.0);
        QCOMPARE(fake.remembered.value(QStringLiteral("zoom")), QStringLiteral("300"));
        Key(Qt::Key_Plus); // no step beyond
        QCOMPARE(fake.beeps, 1);
        window->refusalSign().Clear(); // as it is three seconds later
        Key(Qt::Key_Minus);
        QCOMPARE(window->size(), sizes[5]);
        Key(Qt::Key_0);
        QCOMPARE(window->size(), sizes[0]);
        QCOMPARE(fake.remembered.value(QStringLiteral("zoom")), QStringLiteral("100"));
        QCOMPARE(window->grab().toImage(), actualSize);
        Key(Qt::Key_Minus); // none below
        QCOMPARE(fake.beeps, 2);
    }

    // The program's other windows grow with the zoom as the main window does:
    // a save dialog, a message and the count box's own menu ask at 175 % for
    // half as much room again as at 100 %, or more; a message across only as
    // far as the screen lets it wrap its lines.
    void everyOtherWindowFollowsTheZoom() {
        const auto shown = [](const std::function<void()>& open) {
            QSize size;
            QTimer look; // until the window is up
            QObject::connect(&look, &QTimer::timeout, [&] {
                QWidget* other = QApplication::activePopupWidget();
                if (!other) other = QApplication::activeModalWidget();
                if (!other || !other->isVisible()) return;
                size = other->sizeHint();
                other->close();
            });
            look.start(10);
            open();
            return size;
        };
        const std::vector<std::pair<bool, std::function<void()>>> opens{
            {true,
             [&] { fenwa::ui::AskWithSaveDialog(window.get(), "保存", "/tmp/a.png", "(*.png)"); }},
            {false, [&] { QMessageBox::warning(window.get(), "fenwa", "保存できませんでした"); }},
            {true, [&] {
                 QContextMenuEvent menu(QContextMenuEvent::Keyboard, {2, 2},
                                        window->txtN->mapToGlobal(QPoint(2, 2)));
                 QCoreApplication::sendEvent(window->txtN, &menu);
             }}};
        // A combo box's arrow too, and the text stops short of it.
        QComboBox combo; // a window of its own, none of the forms
        combo.resize(130, 52);
        QStyleOptionComboBox box;
        box.initFrom(&combo);
        const auto arrowAndText = [&] {
            // As the program runs: QtTest holds text at 96 dots per inch.
            QCoreApplication::setAttribute(Qt::AA_Use96Dpi, false);
            const auto restore =
                qScopeGuard([] { QCoreApplication::setAttribute(Qt::AA_Use96Dpi); });
            const auto part = [&](QStyle::SubControl sc) {
                return combo.style()->subControlRect(QStyle::CC_ComboBox, &box, sc, &combo);
            };
            const QRect arrow = part(QStyle::SC_ComboBoxArrow);
            return std::pair{arrow.width(),
                             arrow.left() - part(QStyle::SC_ComboBoxEditField).right()};
        };
        std::vector<QSize> actual;
        for (const auto& [across, open] : opens)
            actual.push_back(shown(open));
        const auto [arrow, gap] = arrowAndText();
        SetZoomFactor(1.75);
        for (std::size_t i = 0; i < opens.size(); ++i) {
            const QSize zoomed = shown(opens[i].second);
            QVERIFY(zoomed.height() >= 1.5 * actual[i].height());
            QVERIFY(zoomed.width() >= (opens[i].first ? 1.5 : 1.0) * actual[i].width());
        }
        const auto [zoomedArrow, zoomedGap] = arrowAndText();
        QVERIFY(zoomedArrow >= 1.5 * arrow);
        QVERIFY(gap > 0 && zoomedGap > 0);
    }

    // The whole window, frame included, must fit the free part of its screen.
    void aStepThatWouldNotFitIsRefused_data() {
        QTest::addColumn<QSize>("spare"); // beyond the frame of 175 %, 1390 x 994 inside
        QTest::addColumn<bool>("fits");
        QTest::newRow("just fits") << QSize(0, 0) << true;
        QTest::newRow("a pixel too narrow") << QSize(-1, 100) << false;
        QTest::newRow("a pixel too low") << QSize(100, -1) << false;
    }
    void aStepThatWouldNotFitIsRefused() {
        QFETCH(QSize, spare);
        QFETCH(bool, fits);
        const QSize frame = window->frameGeometry().size() - window->size();
        fake.available = QRect(QPoint(300, 200), QSize(1390, 994) + frame + spare);
        Key(Qt::Key_Plus);
        Key(Qt::Key_Plus);
        Key(Qt::Key_Plus);
        QCOMPARE(window->size(), fits ? QSize(1390, 994) : QSize(1191, 852));
        QCOMPARE(fake.beeps, fits ? 0 : 1);
        QCOMPARE(window->lblMSG->Caption() == fenwa::ui::Refusals::LargestZoom, !fits);
        QVERIFY(fake.available.contains(window->frameGeometry()));
        Key(Qt::Key_F11, Qt::NoModifier);
        QCOMPARE(window->size(), fits ? QSize(1390, 994) : QSize(1191, 852));
    }

    // The panels' menu holds the conditions, the results and then the zoom,
    // with their shortcuts shown, and grows with the window.
    void thePanelsMenuZooms() {
        const auto open = [this] {
            QContextMenuEvent press(QContextMenuEvent::Mouse, QPoint(20, 20),
                                    window->Pic->mapToGlobal(QPoint(20, 20)));
            QCoreApplication::sendEvent(window->Pic, &press);
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        };
        QMenu* menu = open();
        QVERIFY(menu);
        const qreal actualSize = menu->font().pointSizeF();
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text() + QLatin1Char('\t') + action->shortcut().toString();
        QCOMPARE(items, QStringList({"実験の条件…\tCtrl+E", "\t", "画像をコピー\tCtrl+Shift+C",
                                     "画像を保存…\tCtrl+S", "度数をCSVで保存…\tCtrl+Shift+S", "\t",
                                     "拡大\tCtrl++", "縮小\tCtrl+-", "元の大きさ\tCtrl+0",
                                     "画面に合わせる\tF11"}));
        menu->actions().last()->trigger();
        menu->close();
        QCOMPARE(window->size(), QSize(1390, 994));
        QCOMPARE(open()->font().pointSizeF(), actualSize * 1.75);
        open()->close();
    }

    // A kept zoom opens the window at it, as far as the screen holds it;
    // anything but a step of the zoom opens it at the actual size, silently.
    void theKeptZoomOpensTheWindow_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<int>("width");
        const QSize hd(1920, 1080);
        QTest::newRow("150") << "150" << hd << 1191;
        QTest::newRow("more than the screen holds") << "300" << hd << 1390;
        QTest::newRow("held only without the frame") << "175" << QSize(1390, 994) << 1191;
        QTest::newRow("no step held") << "150" << QSize(640, 480) << 794;
        QTest::newRow("nothing kept") << "" << hd << 794;
        QTest::newRow("no step") << "160" << hd << 794;
        QTest::newRow("a fraction") << "175.5" << hd << 794;
        QTest::newRow("not a number") << "zoom" << hd << 794;
        QTest::newRow("too large a number") << "99999999999" << hd << 794;
    }
    void theKeptZoomOpensTheWindow() {
        QFETCH(QString, kept);
        QFETCH(QSize, available);
        QFETCH(int, width);
        Reopen(kept, QRect(QPoint(0, 0), available));
        QCOMPARE(window->width(), width);
        QCOMPARE(fake.beeps, 0);
        QCOMPARE(fake.remembered.value(QStringLiteral("zoom")), kept); // kept as it was
    }

    // The user's settings: the zoom survives a restart, and a damaged file
    // holds nothing.
    void theSettingsKeepTheZoom() {
        QTemporaryDir home;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
        QCoreApplication::setOrganizationName(QStringLiteral("fenwa"));
        SystemEnvironment system;
        system.Remember(QStringLiteral("zoom"), QStringLiteral("175"));
        QCOMPARE(SystemEnvironment().Remembered(QStringLiteral("zoom")), QStringLiteral("175"));
        QFile file(QSettings().fileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General\nzoom=175\n");
        file.close();
        QCOMPARE(system.Remembered(QStringLiteral("zoom")), QString());
    }

    void escapeOrTheExitButtonEnds() {
        QTest::keyClick(window->txtN, Qt::Key_Escape);
        QCOMPARE(fake.ends, 1);
        QTest::keyClick(window->hsbN, Qt::Key_Escape);
        QCOMPARE(fake.ends, 2);
        QTest::mouseClick(window->cmdEnd, Qt::LeftButton);
        QCOMPARE(fake.ends, 3);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
