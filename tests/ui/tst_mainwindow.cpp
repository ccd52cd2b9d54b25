#include "MainWindowFixture.h"
#include "display/CommandButton.h"
#include "display/Fonts.h"
#include "display/HScrollBar.h"
#include "display/Label.h"
#include "display/PictureBox.h"
#include "display/TextBox.h"
#include "ui/main/frmFenwa.h"

#include <QSignalSpy>
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
    }

    void seedsTheGeneratorFromTheTimeOfDay() {
        QCOMPARE(random.seeds, std::vector<float>{45296.5f});
    }

    void windowIsFixedWithACloseBoxOnly() {
        QCOMPARE(window->size(), QSize(794, 568));
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
        // The count box keeps the platform's colours.
        QCOMPARE(window->txtN->palette().color(QPalette::Base),
                 QApplication::palette(window->txtN).color(QPalette::Base));
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

    void tabOrderFollowsTheTable() {
        QStringList order;
        QWidget* at = window->txtN;
        for (int i = 0; i < 7; ++i, at = at->nextInFocusChain()) {
            while (!(at->focusPolicy() & Qt::TabFocus))
                at = at->nextInFocusChain();
            order << at->objectName();
        }
        QCOMPARE(order, QStringList({"txtN", "hsbN", "cmdEnd", "cmdHelp", "cmdSlitNo(1)",
                                     "cmdSlitNo(2)", "cmdSlitNo(3)"}));
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
    }

    void slitButtonsWorkFromTheKeyboard() {
        Slit(3)->setFocus();
        QTest::keyClick(Slit(3), Qt::Key_Space);
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(3));
        QTest::keyClick(Slit(1), Qt::Key_Return);
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(1));
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
