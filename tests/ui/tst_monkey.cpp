// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// A randomised user: from a seed, thousands of actions on the real windows on
// a fake clock (keys of every kind, clicks, pastes, drops, input-method text,
// scroll-bar drags, slits, presets, the help window, repaints, clock steps),
// with what must always hold checked after every one. A failure names its
// seed and the actions that led to it. FENWA_MONKEY_SEED and
// FENWA_MONKEY_ACTIONS replace the short form's seeds and length
// (scripts/monkey.sh).

#include "MainWindowFixture.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/numbers/NumberText.h"
#include "display/text/Fonts.h"
#include "model/Bins.h"
#include "model/Conditions.h"
#include "model/PhotonCount.h"
#include "model/StandardRandom.h"
#include "run/PhotonRun.h"
#include "run/ScreenPanel.h"
#include "ui/conditions/frmConditions.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/RefusalSign.h"
#include "ui/main/frmFenwa.h"

#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <cmath>
#include <deque>
#include <numeric>
#include <random>

using namespace fenwa;
using display::HScrollBar;
using display::PictureBox;
using display::TextBox;
using ui::frmFenwa;
using ui::frmFenwaHelp;

namespace {

const QString Prompt = QStringLiteral("フォトンの個数を指定して，ここをクリックしてください。");

// What a user may type, paste, drop or compose: mostly digits and counts near
// the limits, and whatever else a keyboard, a clipboard or an input method
// can deliver.
// clang-format off
const QStringList Texts = {
    "0", "5", "9", "00", "100", "150", "2000", "9999", "10000", "10001", "0500", "99999999999",
    QString(300, '9'), "", " ", "-1", "+5", "1.5", "1e3", "abc", "１２３", "あ", "フォトン",
    "12\n", "\r", "\t", QString(QChar(1)), QString(QChar(0x7F)), QString::fromUtf8("😀"),
    QString(QChar(0xD800)), QString(QChar(0xFEFF)), QString::fromUtf8("٣½Ⅻ")};

struct Key {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool edits = false; // moves the caret or edits the text: silent in a count box
};

// Every other kind of key, with the text X11 gives it (Delete and the Ctrl
// letters carry control characters); digits are drawn apart, more often.
const auto Ctrl = Qt::ControlModifier;
const auto Shift = Qt::ShiftModifier;
const std::vector<Key> Keys = {
    {Qt::Key_Backspace, "\b", {}, true}, {Qt::Key_Delete, "\x7f", {}, true},
    {Qt::Key_Delete, "", Qt::KeypadModifier, true}, {Qt::Key_Delete, "\x7f", Shift, true},
    {Qt::Key_Delete, "\x7f", Ctrl, true}, {Qt::Key_Backspace, "\b", Ctrl, true},
    {Qt::Key_Return, "\r"}, {Qt::Key_Enter, "\r", Qt::KeypadModifier}, {Qt::Key_Escape, "\x1b"},
    {Qt::Key_Left, "", {}, true}, {Qt::Key_Right, "", {}, true}, {Qt::Key_Left, "", Shift, true},
    {Qt::Key_End, "", Shift, true}, {Qt::Key_Up, ""}, {Qt::Key_Down, ""},
    {Qt::Key_Home, "", {}, true}, {Qt::Key_End, "", {}, true}, {Qt::Key_PageUp, ""},
    {Qt::Key_PageDown, ""}, {Qt::Key_Tab, "\t"}, {Qt::Key_Backtab, "", Shift},
    {Qt::Key_Space, " "}, {Qt::Key_A, "a"}, {Qt::Key_Minus, "-"}, {Qt::Key_Period, "."},
    {Qt::Key_F1, ""}, {Qt::Key_F4, "", Qt::AltModifier}, {Qt::Key_A, "\x01", Ctrl, true},
    {Qt::Key_X, "\x18", Ctrl, true}, {Qt::Key_C, "\x03", Ctrl, true},
    {Qt::Key_Z, "\x1a", Ctrl, true}, {Qt::Key_Z, "\x1a", Ctrl | Shift, true},
    {Qt::Key_Y, "\x19", Ctrl, true}, {Qt::Key_Q, "\x11", Ctrl}, {Qt::Key_M, "\r", Ctrl},
    {Qt::Key_S, "\x13", Ctrl}, {Qt::Key_S, "\x13", Ctrl | Shift}, {Qt::Key_C, "\x03", Ctrl | Shift},
    {Qt::Key_E, "\x05", Ctrl},
    {Qt::Key_unknown, "１"}, {Qt::Key_unknown, "ア"}};
// clang-format on

// The offscreen platform's notes about what it cannot do (raise a window,
// grab the keyboard) say nothing about the program; other messages go on.
QtMessageHandler testMessages = nullptr;
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    testMessages(type, context, message);
}

int EnvNumber(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

bool AllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    model::StandardRandom random;
    test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;
    std::mt19937 dice;
    // Menus and the help window run event loops of their own; these timers
    // play the user inside them. A timer does not fire again while its own
    // handler runs, so a menu inside the help window needs the second one.
    QTimer helpDriver, menuDriver;
    bool inHelp = false, inMenu = false, escaped = false;
    QTemporaryDir saves; // where the run's picture and counts go

    // The failure, and the actions that led to it.
    quint32 seed = 0;
    int action = 0, actions = 0;
    QString failure;
    std::deque<QString> trace;

    // What the checks remember from one action to the next.
    bool wasActive = false;
    std::int32_t dotsChecked = 0;
    double standingStill = 0; // fake seconds of an active run without a photon
    int runsFinished = 0, helpSessions = 0, savesAsked = 0;

    const run::RunRecord& record() { return window.record(); }

    int Pick(int n) { return n > 1 ? std::uniform_int_distribution<int>(0, n - 1)(dice) : 0; }
    double Uniform(double a, double b) { return std::uniform_real_distribution<>(a, b)(dice); }
    bool Chance(double p) { return Uniform(0, 1) < p; }
    QString AnyText() { return Texts[Pick(int(Texts.size()))]; }

    void Log(const QString& what) {
        trace.push_back(QStringLiteral("%1: %2").arg(action).arg(what));
        if (trace.size() > 40) trace.pop_front();
    }
    void Check(bool ok, const QString& what) {
        if (!ok && failure.isEmpty()) failure = what;
    }
    QString Report() const {
        QString report = QStringLiteral("%1 at action %2 of seed %3.\nReplay: FENWA_MONKEY_SEED=%3 "
                                        "FENWA_MONKEY_ACTIONS=%4 scripts/monkey.sh\nLast actions:")
                             .arg(failure)
                             .arg(action)
                             .arg(seed)
                             .arg(actions);
        for (const QString& line : trace)
            report += QStringLiteral("\n  ") + line;
        return report;
    }

    // Input as the window system delivers it: keys to whatever has the focus,
    // clicks to a window, which a modal window may refuse.
    void Press(const Key& key) {
        Log(QStringLiteral("key %1 '%2' %3")
                .arg(int(key.key), 0, 16)
                .arg(key.text)
                .arg(key.modifiers.toInt()));
        escaped = key.key == Qt::Key_Escape;
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) target = window.get();
        // The help window has the keyboard for as long as it is open.
        if (QWidget* modal = QApplication::activeModalWidget(); modal && target->window() != modal)
            target = modal->focusWidget() ? modal->focusWidget() : modal;
        const int beeps = fake.beeps;
        QTest::sendKeyEvent(QTest::Click, target, key.key, key.text, key.modifiers);
        Check(!key.edits || !qobject_cast<TextBox*>(target) || fake.beeps == beeps,
              QStringLiteral("an editing key beeped in a count box"));
    }
    void TypeSomething() {
        if (Chance(0.55)) {
            const int digit = Pick(10);
            Press({Qt::Key(Qt::Key_0 + digit), QString::number(digit)});
        } else {
            Press(Keys[std::size_t(Pick(int(Keys.size())))]);
        }
    }
    void ClickIn(QWidget* control, QPoint at = {-1, -1}) {
        if (at.x() < 0) at = QPoint(Pick(control->width()), Pick(control->height()));
        const Qt::MouseButton button =
            Chance(0.85) ? Qt::LeftButton : (Chance(0.7) ? Qt::RightButton : Qt::MiddleButton);
        QWidget* top = control->window();
        const QPoint inTop = control->mapTo(top, at);
        if (!top->rect().contains(inTop)) return; // cut off by a small window
        Log(QStringLiteral("click %1 at %2,%3 button %4")
                .arg(control->objectName())
                .arg(at.x())
                .arg(at.y())
                .arg(int(button)));
        if (Chance(0.05))
            QTest::mouseDClick(top->windowHandle(), button, {}, inTop);
        else
            QTest::mouseClick(top->windowHandle(), button, {}, inTop);
    }
    void ClickAControl(display::Form& form) {
        const auto& controls = form.Controls();
        ClickIn(controls[std::size_t(Pick(int(controls.size())))]);
    }
    void Paste() {
        const QString text = AnyText();
        Log(QStringLiteral("paste '%1'").arg(text));
        QGuiApplication::clipboard()->setText(text);
        Press({Qt::Key_V, "\x16", Qt::ControlModifier});
    }
    void Compose() {
        QWidget* target = QApplication::focusWidget();
        if (!target) return;
        const QString text = AnyText();
        const bool commit = Chance(0.7);
        Log(QStringLiteral("input method %1 '%2'").arg(commit ? "commits" : "composes", text));
        QInputMethodEvent event(commit ? QString() : text, {});
        if (commit) event.setCommitString(text);
        QCoreApplication::sendEvent(target, &event);
    }
    void Drop(TextBox* box) {
        const QString text = AnyText();
        Log(QStringLiteral("drop '%1'").arg(text));
        QMimeData data;
        data.setText(text);
        const QPoint at(Pick(box->width()), Pick(box->height()));
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &drop);
    }
    void ContextMenu(TextBox* box) {
        Log(QStringLiteral("context menu"));
        const QPoint at(Pick(box->width()), Pick(box->height()));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QCoreApplication::sendEvent(box, &event);
    }
    // A context menu (the text box's, the scroll bar's): one of its items, or Esc.
    void ChooseFromMenu(QMenu& menu) {
        if (inMenu) return;
        inMenu = true;
        const QList<QAction*> items = menu.actions();
        QAction* item = items.isEmpty() ? nullptr : items[Pick(int(items.size()))];
        if (item && item->isEnabled() && !item->isSeparator() && Chance(0.7)) {
            Log(QStringLiteral("menu item '%1'").arg(item->text()));
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(item).center());
        } else {
            Log(QStringLiteral("menu closed"));
            QTest::keyClick(&menu, Qt::Key_Escape);
        }
        if (menu.isVisible()) menu.close();
        inMenu = false;
    }
    void CloseMenus() {
        for (int guard = 0; guard < 5; ++guard)
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                ChooseFromMenu(*menu);
    }
    void DragOrWheel(HScrollBar* bar) {
        if (Chance(0.2)) {
            const int steps = (Pick(5) - 2) * 120;
            Log(QStringLiteral("wheel %1 on the scroll bar").arg(steps));
            const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
            QWheelEvent wheel(at, bar->mapToGlobal(at), {}, {0, steps}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(bar, &wheel);
            return;
        }
        // Press anywhere on the bar (arrow, track or thumb) and let go anywhere
        // along it, in the window.
        QWidget* top = bar->window();
        const QPoint from = bar->mapTo(top, QPoint(Pick(bar->width()), Pick(bar->height())));
        if (!top->rect().contains(from)) return;
        const int x = std::clamp(from.x() + Pick(301) - 150, 0, top->width() - 1);
        const QPoint to(x, std::clamp(from.y() + Pick(41) - 20, 0, top->height() - 1));
        Log(QStringLiteral("drag on the scroll bar from %1 to %2").arg(from.x()).arg(to.x()));
        QTest::mousePress(top->windowHandle(), Qt::LeftButton, {}, from);
        QTest::mouseMove(top->windowHandle(), (from + to) / 2);
        QTest::mouseMove(top->windowHandle(), to);
        QTest::mouseRelease(top->windowHandle(), Qt::LeftButton, {}, to);
    }

    void Advance(double seconds) { window.Advance(seconds); }
    void ClockStep() {
        double step = Uniform(0, 0.03);
        if (Chance(0.2)) step = Uniform(0.03, 2);
        if (Chance(0.02)) step = std::array{-1e9, -3600.0, -0.5, 1e3, 1e9}[std::size_t(Pick(5))];
        Log(QStringLiteral("clock %1 s").arg(step));
        const std::int32_t before = record().Stored;
        Advance(step);
        const double period = run::PhotonPeriod(record().Count);
        // No burst: at most the photons whose time has come since the last look.
        Check(record().Stored - before <= std::max(0.0, step) / period + 1,
              QStringLiteral("%1 photons in %2 s").arg(record().Stored - before).arg(step));
        // No hold: an active run that nothing holds emits within a second.
        if (!inHelp && window->photonRun().Active() && step > 0) {
            standingStill = record().Stored == before ? standingStill + step : 0;
            Check(standingStill < 1, QStringLiteral("the run stands still"));
        }
    }
    void RunToEnd() {
        Log(QStringLiteral("run to the end"));
        for (int guard = 0; window->photonRun().Active() && guard < 10000; ++guard)
            Advance(0.01);
        Check(!window->photonRun().Active(), QStringLiteral("the run does not end"));
    }

    // A panel redrawn from the record must look as it did.
    void Repaint() {
        auto* pic = window->Pic;
        auto* histo = window->Histo;
        Log(QStringLiteral("repaint"));
        const QImage dots = pic->surface().Image().copy();
        pic->surface().Refresh();
        Check(pic->surface().Image() == dots, QStringLiteral("the dots changed on a repaint"));
        if (record().HistoReady && !window->photonRun().Active()) {
            const QImage bars = histo->surface().Image().copy();
            histo->surface().Refresh();
            Check(histo->surface().Image() == bars,
                  QStringLiteral("the histogram changed on a repaint"));
        }
        window->surface().Refresh();
        window->repaint();
    }

    void MainAction() {
        // clang-format off
        static std::discrete_distribution<int> kinds({
            30, // 0 keys
            12, // 1 a click on a control or panel
            3,  // 2 a click anywhere in the window
            3,  // 3 paste
            3,  // 4 input method
            2,  // 5 drop
            5,  // 6 scroll bar
            3,  // 7 slit button
            2,  // 8 preset
            1,  // 9 help
            3,  // 10 repaint
            25, // 11 clock
            1,  // 12 run to the end
            1,  // 13 download, with or without a browser
            1,  // 14 close the notices
            1,  // 15 context menu
            2,  // 16 pending events
        });
        // clang-format on
        switch (kinds(dice)) {
        case 0: TypeSomething(); break;
        case 1: ClickAControl(*window); break;
        case 2: ClickIn(window.get()); break;
        case 3: Paste(); break;
        case 4: Compose(); break;
        case 5: Drop(window->txtN); break;
        case 6: DragOrWheel(window->hsbN); break;
        case 7: ClickIn(window->cmdSlitNo[std::size_t(1 + Pick(3))]); break;
        case 8: ClickIn(window->lblPhotonN[std::size_t(Pick(3))]); break;
        case 9: ClickIn(window->cmdHelp); break;
        case 10: Repaint(); break;
        case 11: ClockStep(); break;
        case 12: RunToEnd(); break;
        case 13:
            fake.browserAvailable = Chance(0.5);
            ClickIn(window->GetSrc, {5, 5});
            break;
        case 14:
            Log(QStringLiteral("close notices"));
            for (QWidget* top : QApplication::topLevelWidgets())
                if (qobject_cast<QMessageBox*>(top) && top->isVisible()) top->close();
            break;
        case 15: ContextMenu(window->txtN); break;
        case 16:
            Log(QStringLiteral("events"));
            QCoreApplication::processEvents();
            break;
        }
    }

    // While the help window is open: the user practises in it, and the main
    // window and the run stand still.
    void HelpSession(frmFenwaHelp& help) {
        ++helpSessions;
        inHelp = true;
        Log(QStringLiteral("help opens"));
        Check(test::WaitForKeyboard(help), QStringLiteral("the help window is not active"));
        window->photonRun().Tick(); // the run's timer looks in
        const std::int32_t stored = record().Stored;
        const int slits = window->apparatus().SlitCount;
        const QString count = window->txtN->text();
        auto* box = help.txtN;
        auto* bar = help.hsbN;
        for (int n = 1 + Pick(60); n > 0 && failure.isEmpty(); --n) {
            escaped = false;
            switch (Pick(12)) {
            case 0:
            case 1:
            case 2: TypeSomething(); break;
            case 3: ClickAControl(help); break;
            case 4: ClickAControl(*window); break; // refused: the help window is modal
            case 5: DragOrWheel(bar); break;
            case 6: Chance(0.5) ? Paste() : Compose(); break;
            case 7: Chance(0.7) ? Drop(box) : ContextMenu(box); break;
            case 8: {
                const QSize size(1 + Pick(1200), 1 + Pick(900));
                Log(QStringLiteral("help resized to %1x%2").arg(size.width()).arg(size.height()));
                help.resize(size);
                break;
            }
            case 9:
                Log(QStringLiteral("help repainted"));
                help.surface().Refresh();
                help.repaint();
                break;
            default: ClockStep(); break;
            }
            CloseMenus();
            if (!help.isVisible()) {
                Check(escaped, QStringLiteral("the help window closed itself"));
                break;
            }
            Check(AllDigits(box->text()), QStringLiteral("help box holds '%1'").arg(box->text()));
            Check(bar->Value() >= model::FewestPhotons && bar->Value() <= model::MostPhotons,
                  QStringLiteral("help bar at %1").arg(bar->Value()));
            Check(record().Stored == stored, QStringLiteral("the run went on behind the help"));
            Check(window->apparatus().SlitCount == slits && window->txtN->text() == count,
                  QStringLiteral("the main window took input behind the help"));
        }
        Log(QStringLiteral("help closes"));
        help.close();
        inHelp = false;
        window->photonRun().Tick(); // the run's timer looks in again
    }

    // The conditions (the panels' menu opens them between runs): a few keys,
    // then Enter or Esc, and Esc again where Enter was refused.
    void ConditionsSession(ui::frmConditions& dialog) {
        inHelp = true;
        Log(QStringLiteral("conditions open"));
        Check(test::WaitForKeyboard(dialog), QStringLiteral("the conditions are not active"));
        static const std::array<Key, 5> keys{{{Qt::Key_Tab, "\t"},
                                              {Qt::Key_Backspace, "\b"},
                                              {Qt::Key_Period, "."},
                                              {Qt::Key_Space, " "},
                                              {Qt::Key_Down, ""}}};
        for (int n = Pick(10); n > 0; --n)
            Chance(0.6) ? TypeSomething() : Press(keys[std::size_t(Pick(int(keys.size())))]);
        Press(Chance(0.5) ? Key{Qt::Key_Return, "\r"} : Key{Qt::Key_Escape, "\x1b"});
        if (dialog.isVisible()) Press({Qt::Key_Escape, "\x1b"});
        Check(!dialog.isVisible(), QStringLiteral("the conditions stay open"));
        inHelp = false;
    }

    // The save dialog: Cancel, a name, or a folder where the file should go.
    QString AskSave(const QString& proposed) {
        Check(!inHelp, QStringLiteral("a save asked behind the help window"));
        ++savesAsked;
        const QString answers[] = {QString(), saves.filePath(QFileInfo(proposed).fileName()),
                                   saves.path()};
        const QString& answer = answers[Pick(3)];
        Log(QStringLiteral("save to '%1'").arg(answer));
        return answer;
    }
    // A message box that a failed save shows, in its own event loop.
    void CloseMessageBox() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Log(QStringLiteral("message '%1' closed").arg(box->text()));
            box->close();
        }
    }

    // What holds after every action, whatever the user did.
    void CheckInvariants() {
        const run::RunRecord& r = record();
        const bool active = window->photonRun().Active();
        const int slits = window->apparatus().SlitCount;
        Check(slits >= 1 && slits <= 3, QStringLiteral("SlitCount %1").arg(slits));
        const model::Conditions now = model::ConditionsOf(window->apparatus());
        Check(now.WaveLenNm >= 380 && now.WaveLenNm <= 780 && now.SlitSizeHundredthMm >= 5 &&
                  now.SlitSizeHundredthMm <= 200 && now.ScreenDistCm >= 50,
              QStringLiteral("conditions out of range"));
        Check(window->running() == active, QStringLiteral("Running and the run disagree"));
        if (!r.DotsDrawn) {
            Check(!r.HistoReady && r.Stored == 0 && !active, QStringLiteral("flags before a run"));
        } else {
            Check(r.Count >= model::FewestPhotons && r.Count <= model::MostPhotons,
                  QStringLiteral("a run of %1").arg(r.Count));
            Check(r.Stored >= 0 && r.Stored <= r.Count, QStringLiteral("stored %1").arg(r.Stored));
            Check(r.DotX.size() == std::size_t(r.Count) + 1 && r.DotY.size() == r.DotX.size() &&
                      r.BinCounts.size() == std::size_t(model::Bins) + 2,
                  QStringLiteral("record sizes"));
            Check(active ? !r.HistoReady : r.HistoReady && r.Stored == r.Count,
                  QStringLiteral("flags of a run: active %1, histogram %2, %3 of %4")
                      .arg(active)
                      .arg(r.HistoReady)
                      .arg(r.Stored)
                      .arg(r.Count));
            Check(std::accumulate(r.BinCounts.begin(), r.BinCounts.end(), 0) == r.Stored,
                  QStringLiteral("the bins do not add up to %1").arg(r.Stored));
        }
        if (!active) standingStill = 0;
        if (active && !wasActive) {
            // A run starts only from a count the box shows and the run can use.
            const auto shown = display::ToInt32(window->txtN->text());
            Check(shown == r.Count, QStringLiteral("a run of %1 from the box's '%2'")
                                        .arg(r.Count)
                                        .arg(window->txtN->text()));
            dotsChecked = 0;
        }
        const auto& screen = window->Pic->surface();
        for (std::int32_t i = dotsChecked + 1; r.DotsDrawn && i <= r.Stored; ++i) {
            const bool inside = r.DotX[i] >= 0 && r.DotX[i] < screen.ScaleWidth() &&
                                r.DotY[i] >= 0 && r.DotY[i] < screen.ScaleHeight();
            Check(inside && screen.Point(r.DotX[i], r.DotY[i]) == run::DotColour,
                  QStringLiteral("dot %1 at %2,%3").arg(i).arg(r.DotX[i]).arg(r.DotY[i]));
        }
        dotsChecked = r.Stored;
        if (wasActive && !active) {
            ++runsFinished;
            // Just finished: both panels redraw exactly what the run left.
            auto* pic = window->Pic;
            auto* histo = window->Histo;
            const QImage dots = pic->surface().Image().copy();
            const QImage bars = histo->surface().Image().copy();
            pic->surface().Refresh();
            histo->surface().Refresh();
            Check(pic->surface().Image() == dots && histo->surface().Image() == bars,
                  QStringLiteral("a repaint after the run changed the panels"));
        }
        // The prompt, or for a while a refusal in its place.
        const QString caption = window->lblMSG->Caption();
        const bool refusal = window->refusalSign().Remaining() > 0 &&
                             (caption == ui::Refusals::CountRange ||
                              caption == ui::Refusals::LargestZoom);
        Check(refusal || caption == (active ? QString() : Prompt),
              QStringLiteral("prompt '%1'").arg(caption));
        const QString text = window->txtN->text();
        Check(AllDigits(text), QStringLiteral("the count box holds '%1'").arg(text));
        const int value = window->hsbN->Value();
        Check(value >= model::FewestPhotons && value <= model::MostPhotons,
              QStringLiteral("scroll bar at %1").arg(value));
        const bool ended = window->photonRun().LastFinished().has_value();
        Check(window->results().mnuSaveCounts->isEnabled() == (ended && !active),
              QStringLiteral("the run's results can%1 be saved")
                  .arg(window->results().mnuSaveCounts->isEnabled() ? "" : "not"));
        wasActive = active;
    }

    // Closing the window in the middle of a run: nothing more is drawn.
    void CloseMidRun() {
        if (!window->photonRun().Active()) {
            window->txtN->setText(QStringLiteral("2000"));
            QTest::keyClick(window->txtN, Qt::Key_Return);
        }
        Advance(0.3);
        Log(QStringLiteral("close the main window"));
        const std::int32_t stored = record().Stored;
        const QImage dots = window->Pic->surface().Image().copy();
        window->close();
        Advance(100);
        Check(!window->photonRun().Active() && record().Stored == stored &&
                  window->Pic->surface().Image() == dots,
              QStringLiteral("the run went on in a closed window"));
    }

private slots:
    void initTestCase() {
        testMessages = qInstallMessageHandler(QuietPlatform);
        display::InstallFontSubstitutions();
        helpDriver.setInterval(1);
        menuDriver.setInterval(1);
        connect(&helpDriver, &QTimer::timeout, this, [this] {
            auto* help = qobject_cast<frmFenwaHelp*>(QApplication::activeModalWidget());
            if (help && !inHelp) HelpSession(*help);
            auto* conditions = qobject_cast<ui::frmConditions*>(QApplication::activeModalWidget());
            if (conditions && !inHelp) ConditionsSession(*conditions);
            CloseMessageBox();
        });
        connect(&menuDriver, &QTimer::timeout, this, [this] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
                ChooseFromMenu(*menu);
            CloseMessageBox();
        });
    }

    void init() {
        QVERIFY(window.Open(random));
        window->results().SetAskSavePath([this](const QString&, const QString& proposed,
                                                const QString&) { return AskSave(proposed); });
    }
    void cleanup() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(top)) top->close();
        window.Close();
    }

    void aUserCannotBreakIt_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("length");
        const int length = EnvNumber("FENWA_MONKEY_ACTIONS", 2000);
        if (qEnvironmentVariableIsSet("FENWA_MONKEY_SEED")) {
            const auto chosen = quint32(qEnvironmentVariable("FENWA_MONKEY_SEED").toUInt());
            QTest::addRow("seed %u", chosen) << chosen << length;
            return;
        }
        for (quint32 fixed : {1u, 2u, 3u})
            QTest::addRow("seed %u", fixed) << fixed << length;
    }
    void aUserCannotBreakIt() {
        QFETCH(quint32, seed);
        QFETCH(int, length);
        this->seed = seed;
        actions = length;
        dice.seed(seed);
        failure.clear();
        trace.clear();
        wasActive = false;
        dotsChecked = runsFinished = helpSessions = savesAsked = 0;
        standingStill = 0;
        for (action = 1; action <= length; ++action) {
            helpDriver.start();
            menuDriver.start();
            MainAction();
            CloseMenus();
            helpDriver.stop();
            menuDriver.stop();
            CheckInvariants();
            if (!failure.isEmpty()) QFAIL(qPrintable(Report()));
        }
        CloseMidRun();
        if (!failure.isEmpty()) QFAIL(qPrintable(Report()));
        qInfo("%d runs ended, %d help windows, %d saves, %d beeps, %d ends", runsFinished,
              helpSessions, savesAsked, fake.beeps, fake.ends);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
