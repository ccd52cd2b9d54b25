// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "MainWindowFixture.h"
#include "display/controls/Announcer.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/text/Fonts.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/frmFenwa.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMenu>
#include <QtTest>

using namespace fenwa;
using display::Form;
using ui::frmFenwa;
using ui::frmFenwaHelp;

namespace {

class FixedRandom : public model::RandomSource {
public:
    void Randomize(float) override {}
    float RandomNext() override { return 0.5f; }
};

QAccessibleInterface* Face(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control);
}

QString AccessibleName(QWidget* control) {
    QAccessibleInterface* face = Face(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// What a screen reader hears: the window's notification, read each time it
// appears.
struct Hearing : QObject {
    explicit Hearing(QWidget& window) : notice(window.findChild<display::Announcer*>()) {
        notice->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) sentences << AccessibleName(notice);
        return false;
    }
    display::Announcer* notice;
    QStringList sentences;
};

// The text a control shows, which names it where it has one.
QString Caption(QWidget* control) {
    if (auto* label = qobject_cast<display::Label*>(control)) return label->Caption();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
    return {};
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    FixedRandom random;
    test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;
    // Keys go where the focus is, as they do for a user.
    static void Press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            const auto shift = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(focus, key, shift);
        }
    }
    static QString Focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    void CheckNames(const Form& form, const QMap<QString, QString>& described) {
        for (QWidget* control : form.Controls()) {
            const QString name = control->objectName();
            const QString expected = described.value(name, Caption(control));
            QVERIFY2(!expected.isEmpty(), qPrintable(name));
            QCOMPARE(AccessibleName(control), expected);
        }
    }

private slots:
    void initTestCase() { display::InstallFontSubstitutions(); }

    void init() { QVERIFY(window.Open(random)); }
    void cleanup() { window.Close(); }

    // Controls with a caption are named by it, the others by a description.
    void everyControlHasAName() {
        CheckNames(*window, {{"Pic", QStringLiteral("スクリーン（フォトンの到達点）")},
                             {"Histo", QStringLiteral("ヒストグラムと理論曲線")},
                             {"txtN", QStringLiteral("フォトンの個数")},
                             {"hsbN", QStringLiteral("フォトンの個数のスクロールバー")}});
        // A caption set later names its control from then on.
        QVERIFY(AccessibleName(window->lblA).contains(QStringLiteral("スリット")));

        frmFenwaHelp help(fake);
        help.Form_Load();
        CheckNames(help, {{"txtN", QStringLiteral("練習用のテキストボックス")},
                          {"hsbN", QStringLiteral("練習用の水平スクロールバー")}});
    }

    // A session with no mouse: a run, a slit change, the help window open and
    // closed, and the download.
    void theKeyboardAloneReachesEverything() {
        QCOMPARE(Focused(), QStringLiteral("txtN"));
        Press(Qt::Key_Backspace, 3);
        QTest::keyClicks(QApplication::focusWidget(), "300");
        Press(Qt::Key_Return);
        QVERIFY(window->running());
        window.RunToEnd();
        QCOMPARE(window->photonRun().Record().Count, 300);

        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            Press(Qt::Key_Tab);
            visited << Focused();
        }
        QCOMPARE(visited, QStringList({"Pic", "Histo", "hsbN", "cmdEnd", "cmdHelp", "cmdSlitNo(1)",
                                       "cmdSlitNo(2)", "cmdSlitNo(3)", "GetSrc", "txtN"}));

        // Back to the one-slit button, and select it.
        Press(Qt::Key_Backtab, 4);
        QCOMPARE(Focused(), QStringLiteral("cmdSlitNo(1)"));
        Press(Qt::Key_Space);
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(1));

        // On to the download label.
        Press(Qt::Key_Tab, 3);
        QCOMPARE(Focused(), QStringLiteral("GetSrc"));
        Press(Qt::Key_Return);
        QCOMPARE(fake.openedUrls.size(), 1);
        Press(Qt::Key_Space);
        QCOMPARE(fake.openedUrls.size(), 2);

        // The help window opens on Enter, a dialog whose description holds
        // its painted lines, and closes on Esc.
        Press(Qt::Key_Tab, 6);
        QCOMPARE(Focused(), QStringLiteral("cmdHelp"));
        QString practised;
        QStringList lines;
        int role = 0;
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            auto* help = qobject_cast<frmFenwaHelp*>(QApplication::activeModalWidget());
            if (!help || !test::WaitForKeyboard(*help)) return;
            role = int(Face(help)->role());
            lines = Face(help)->text(QAccessible::Description).split(u'\n');
            Press(Qt::Key_Right);
            practised = help->txtN->text();
            Press(Qt::Key_Escape);
            closed = !help->isVisible();
            if (!closed) help->close();
        });
        Press(Qt::Key_Return);
        QCOMPARE(practised, QStringLiteral("5010"));
        QVERIFY(closed);
        QCOMPARE(role, int(QAccessible::Dialog));
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0], QStringLiteral("フォトンの個数を指定する方法は，いくつかあります。"));
        QCOMPARE(lines[3], QStringLiteral("[2A] 左右のボタン Ａ をクリックしてみて下さい。"));
    }

    // What each control is to assistive technology, beyond its name.
    void facesTellWhatTheControlsAre_data() {
        QTest::addColumn<QString>("control"); // the window itself where empty
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("actions"); // left unchecked where empty
        QTest::addColumn<int>("checked");         // -1: not a choice
        QTest::addColumn<QString>("description");
        QTest::newRow("screen") << "Pic" << int(QAccessible::Graphic)
                                << QStringList{"Press", "ShowMenu", "SetFocus"} << -1
                                << "まだフォトンは届いていません。";
        QTest::newRow("histogram") << "Histo" << int(QAccessible::Chart)
                                   << QStringList{"ShowMenu", "SetFocus"} << -1 << "実験が終わると";
        QTest::newRow("download") << "GetSrc" << int(QAccessible::Link)
                                  << QStringList{"Press", "SetFocus"} << -1 << "";
        QTest::newRow("chosen slits")
            << "cmdSlitNo(2)" << int(QAccessible::RadioButton) << QStringList{} << 1 << "";
        QTest::newRow("prompt") << "lblMSG" << int(QAccessible::StaticText) << QStringList{} << -1
                                << "";
        QTest::newRow("readout") << "" << int(QAccessible::Window) << QStringList{} << -1
                                 << "スリットの間隔 0.50 mm\n光の波長（He-Ne レーザー) 0.633 μm";
        QTest::newRow("notification")
            << "announcer" << int(QAccessible::Notification) << QStringList{} << -1 << "";
    }

    void facesTellWhatTheControlsAre() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QStringList, actions);
        QFETCH(int, checked);
        QFETCH(QString, description);
        QWidget* widget = control.isEmpty() ? window.get() : window->findChild<QWidget*>(control);
        QAccessibleInterface* face = Face(widget);
        QCOMPARE(int(face->role()), role);
        if (!actions.isEmpty()) QCOMPARE(face->actionInterface()->actionNames(), actions);
        if (checked >= 0) QCOMPARE(int(face->state().checked), checked);
        QVERIFY(face->text(QAccessible::Description).contains(description));
    }

    // A run of 1000 is told at its start, each quarter and its end; one of
    // 100 lasts a second, too short for its quarters.
    void aRunIsToldAsItGoes_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QStringList>("told");
        QTest::newRow("1000") << "1000"
                              << QStringList{"1000 個の実験を始めます", "（4 分の 1）", "（半分）",
                                             "（4 分の 3）", "1000 個のうち 1000 個が明るい縞"};
        QTest::newRow("100") << "100"
                             << QStringList{"100 個の実験を始めます",
                                            "100 個のうち 100 個が明るい縞"};
    }

    void aRunIsToldAsItGoes() {
        QFETCH(QString, count);
        QFETCH(QStringList, told);
        Hearing hearing(*window);
        window.Type(count);
        QTest::keyClick(window->txtN, Qt::Key_Return);
        QVERIFY(window->running());
        window.RunToEnd();
        QCOMPARE(hearing.sentences.size(), told.size());
        for (qsizetype i = 0; i < told.size(); ++i)
            QVERIFY2(hearing.sentences[i].contains(told[i]), qPrintable(hearing.sentences[i]));
        for (QWidget* panel : {window->Pic, window->Histo}) {
            const QString description = Face(panel)->text(QAccessible::Description);
            for (const QString& fragment :
                 {count + QStringLiteral(" 個"), QStringLiteral("２重"), QStringLiteral("±6.3 mm")})
                QVERIFY2(description.contains(fragment), qPrintable(description));
        }
    }

    // A refused count is told with its range, and that it was lowered to the
    // most where it was above; so is a step of the zoom the screen cannot hold.
    void aRefusalIsTold_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("told");
        const QString range = QStringLiteral("フォトンの個数は 100 から 10000 までです。");
        QTest::newRow("count above") << "20000" << QKeySequence(Qt::Key_Return)
                                     << range + QStringLiteral("10000 にしました。");
        QTest::newRow("count below") << "99" << QKeySequence(Qt::Key_Return) << range;
        QTest::newRow("zoom") << "100" << QKeySequence(Qt::CTRL | Qt::Key_Plus)
                              << ui::Refusals::LargestZoom;
    }

    void aRefusalIsTold() {
        QFETCH(QString, typed);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, told);
        Hearing hearing(*window);
        fake.available = QRect(0, 0, 800, 600); // too small a screen for a larger zoom
        window.Type(typed);
        QTest::keySequence(window->txtN, keys);
        QCOMPARE(hearing.sentences, QStringList{told});
    }

    // A press of the chosen button still clicks; the arrows choose nothing.
    void theSlitButtonsAreOneCheckedSet() {
        const auto checked = [this](int i) { return Face(window->cmdSlitNo[i])->state().checked; };
        QSignalSpy clicks(window->cmdSlitNo[1], &display::CommandButton::Click);
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        QTest::mouseClick(window->cmdSlitNo[1], Qt::LeftButton);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(checked(1) && !checked(2) && !checked(3));
        QVERIFY(Face(window.get())->text(QAccessible::Description).contains(u"スリットの幅"));
        // Left from the chosen one goes back along the tab order, not to the
        // button on its left, which it would choose.
        window->cmdSlitNo[1]->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Left);
        QCOMPARE(Focused(), QStringLiteral("cmdHelp"));
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(1));
    }

    // Enter on the screen starts a run; the Menu key and Shift+F10 open the
    // panels' menu; the download link is pressed through its face.
    void thePanelsAndTheLinkTakeTheKeyboard() {
        window->Pic->setFocus(Qt::TabFocusReason);
        Press(Qt::Key_Return);
        QVERIFY(window->running());
        window.RunToEnd();
        QCOMPARE(Focused(), QStringLiteral("txtN"));
        QMenu* menu = window->results().PanelMenu;
        for (const auto& [panel, key, modifiers] :
             {std::tuple{window->Histo, Qt::Key_Menu, Qt::NoModifier},
              std::tuple{window->Pic, Qt::Key_F10, Qt::ShiftModifier}}) {
            QTest::keyClick(panel, key, modifiers);
            QVERIFY(menu->isVisible());
            QCOMPARE(menu->activeAction(), menu->actions().first());
            menu->close();
        }
        // X11 asks for the Menu key's menu itself; a right click lights nothing.
        for (const auto reason : {QContextMenuEvent::Keyboard, QContextMenuEvent::Mouse}) {
            QContextMenuEvent asked(reason, QPoint(1, 1), window->Histo->mapToGlobal(QPoint(1, 1)));
            QCoreApplication::sendEvent(window->Histo, &asked);
            QVERIFY(menu->isVisible());
            QCOMPARE(menu->activeAction() != nullptr, reason == QContextMenuEvent::Keyboard);
            menu->close();
        }
        QTest::keyClick(window->Histo, Qt::Key_Space); // the histogram is no button
        QVERIFY(!window->running());
        Face(window->GetSrc)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(fake.openedUrls.size(), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
