// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "MainWindowFixture.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/text/Fonts.h"
#include "run/PhotonRun.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/frmFenwa.h"

#include <QAbstractButton>
#include <QAccessible>
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

QString AccessibleName(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

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
        QVERIFY(!window->running());
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

        // The help window opens on Enter and closes on Esc.
        Press(Qt::Key_Tab, 6);
        QCOMPARE(Focused(), QStringLiteral("cmdHelp"));
        QString practised;
        bool closed = false;
        QTimer::singleShot(0, this, [&] {
            auto* help = qobject_cast<frmFenwaHelp*>(QApplication::activeModalWidget());
            if (!help || !test::WaitForKeyboard(*help)) return;
            Press(Qt::Key_Right);
            practised = help->txtN->text();
            Press(Qt::Key_Escape);
            closed = !help->isVisible();
            if (!closed) help->close();
        });
        Press(Qt::Key_Return);
        QCOMPARE(practised, QStringLiteral("5010"));
        QVERIFY(closed);
        QCOMPARE(fake.ends, 0);
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
