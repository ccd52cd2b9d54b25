// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "FakeEnvironment.h"
#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/KeyCodes.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/controls/TextBox.h"
#include "display/desktop/PlatformTexts.h"
#include "display/dspCommon.h"
#include "display/forms/ControlTable.h"
#include "display/forms/Form.h"
#include "display/forms/WindowZoom.h"
#include "display/zoom/Zoom.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QtTest>

using namespace fenwa::display;
namespace dspCommon = fenwa::dspCommon;

namespace {

const FontSpec WindowFont{FontNames::Meiryo, 12};

// A small window with one control of each kind, in an order unlike the tab order.
struct TestControls {
    Label* lbl = nullptr;
    TextBox* txt = nullptr;
    HScrollBar* bar = nullptr;
    CommandButton* cmd = nullptr;
    PictureBox* pic = nullptr;
};

std::array<ControlSpec, 5> Table(TestControls& c) {
    return {{
        {&c.lbl, "lbl", -1, 150, 150, 600, 300, 3, QStringLiteral("x"), {}, LabelStyle::AutoSize},
        {&c.txt, "txt", -1, 150, 600, 900, 420, 0, QStringLiteral("100"), {}},
        {&c.bar, "bar", -1, 150, 1200, 1800, 300, 1, QString(), {}},
        {&c.cmd, "cmd", 2, 150, 1650, 900, 420, 2, QStringLiteral("OK"), {}},
        {&c.pic, "pic", -1, 2100, 150, 900, 900, 4, QString(), {}},
    }};
}

// A key as X11 delivers it, named as xdotool names it ("Delete", "ctrl+shift+z"):
// Delete carries 0x7F and a Ctrl letter its control character.
void SendX11Key(QWidget* to, const QString& name) {
    const QStringList parts = name.split('+');
    const bool ctrl = parts.contains(QStringLiteral("ctrl"));
    Qt::KeyboardModifiers modifiers = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    if (parts.contains(QStringLiteral("shift"))) modifiers |= Qt::ShiftModifier;
    const QString base = parts.last();
    const std::map<QString, std::pair<Qt::Key, QString>> named = {
        {"Delete", {Qt::Key_Delete, "\x7f"}},
        {"BackSpace", {Qt::Key_Backspace, "\b"}},
        {"Home", {Qt::Key_Home, ""}},
        {"End", {Qt::Key_End, ""}},
        {"Left", {Qt::Key_Left, ""}}};
    if (const auto key = named.find(base); key != named.end()) {
        QTest::sendKeyEvent(QTest::Click, to, key->second.first, key->second.second, modifiers);
        return;
    }
    const char16_t letter = base.at(0).unicode();
    QTest::sendKeyEvent(QTest::Click, to, Qt::Key(Qt::Key_A + (letter - 'a')),
                        QString(QChar(ctrl ? letter - 'a' + 1 : letter)), modifiers);
}

// How far apart two colours stand for the eye: 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT

    FakeEnvironment fake;
    std::unique_ptr<Form> form;
    TestControls c;

    // Only the digits and backspace get in, the way the count boxes filter.
    void DigitsOnly(TextBox& box) {
        box.SetKeyPress([this](std::int16_t& key) {
            if ((key >= '0' && key <= '9') || key == KeyAscii::Back) return;
            key = 0;
            fake.Beep();
        });
        box.SetDigitsOnly();
        connect(&box, &TextBox::inputRejected, this, [this] { fake.Beep(); });
    }

private slots:
    void init() {
        fake = FakeEnvironment();
        form = std::make_unique<Form>();
        form->SetClientSize(4500, 3000, Form::Border::FixedSingle);
        c = {};
        BuildControls(*form, WindowFont, Table(c));
        DigitsOnly(*c.txt);
    }
    void cleanup() {
        form.reset();
        SetZoomFactor(1.0);
    }

    // A part of the scroll bar, where the style puts it.
    QRect Part(QStyle::SubControl part) {
        QStyleOptionSlider option;
        option.initFrom(c.bar);
        option.orientation = Qt::Horizontal;
        option.minimum = 0;
        option.maximum = 100;
        option.pageStep = 10;
        return c.bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, c.bar);
    }

    void controlsAreNamedAndPlacedFromTheTable() {
        QCOMPARE(c.cmd->objectName(), QStringLiteral("cmd(2)"));
        QCOMPARE(c.txt->geometry(), QRect(10, 40, 60, 28));
        QCOMPARE(form->size(), QSize(300, 200));
        QCOMPARE(form->Controls().size(), size_t(5));
        QCOMPARE(KindOf(form->Controls()[2]), ControlKind::HScrollBar);
        QCOMPARE(form->surface().FontName(), FontNames::Meiryo);
    }

    // A change of zoom lays the window out again: every edge of the design at
    // 1.75 times, fonts likewise, and the scroll bar's arrow buttons and
    // thumb grown with it.
    void controlsFollowTheZoom() {
        const QFont font = c.txt->font();
        const int arrow = Part(QStyle::SC_ScrollBarAddLine).width();
        const int thumb = Part(QStyle::SC_ScrollBarSlider).width();
        SetZoomFactor(1.75);
        QCOMPARE(form->size(), QSize(525, 350));
        QCOMPARE(c.txt->geometry(), QRect(18, 70, 104, 49)); // 17.5 rounds to even
        QCOMPARE(c.pic->geometry(), QRect(245, 18, 105, 104));
        QCOMPARE(c.lbl->pos(), QPoint(18, 18));
        QCOMPARE(c.txt->font().pointSizeF(), font.pointSizeF() * 1.75);
        QCOMPARE(Part(QStyle::SC_ScrollBarAddLine).width(), ToScreen(arrow, 1.75));
        QCOMPARE(Part(QStyle::SC_ScrollBarSlider).width(), ToScreen(thumb, 1.75));
        QCOMPARE(c.pic->surface().ScaleWidth(), 56.0); // 60 pixels of the design, less the frame
    }

    void themeSkipsTextBoxesAndScrollBars() {
        const QColor boxBase = c.txt->palette().color(QPalette::Base);
        dspCommon::InitDisplay(*form);
        QCOMPARE(form->BackColor(), 0xF0F0F0u);
        QCOMPARE(c.lbl->BackColor(), 0xF0F0F0u);
        QCOMPARE(c.cmd->BackColor(), 0xF0F0F0u);
        QCOMPARE(c.pic->BackColor(), 0xF0F0F0u);
        QCOMPARE(c.txt->palette().color(QPalette::Base), boxBase);
        QVERIFY(!c.bar->property("BackColor").isValid());
        Form empty;
        dspCommon::InitDisplay(empty);
        QCOMPARE(empty.BackColor(), 0xF0F0F0u);
    }

    void autoSizedLabelFollowsItsCaption() {
        auto* label = c.lbl;
        const QPoint corner = label->pos();
        label->SetCaption(QStringLiteral("フォトンの個数を指定して，ここをクリックしてください。"));
        QCOMPARE(label->pos(), corner);
        QVERIFY(label->width() > 300);
        QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
    }

    void labelClickNeedsPressAndReleaseInside() {
        auto* label = c.lbl;
        QSignalSpy clicks(label, &Label::Click);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(clicks.count(), 1);
    }

    void keyPressFilterSwallowsWithBeep_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits pass") << "25"
                                     << "10025" << 0;
        QTest::newRow("a letter, minus, point and space") << "a-. "
                                                          << "100" << 4;
        QTest::newRow("full-width digit") << "１"
                                          << "100" << 1;
    }
    void keyPressFilterSwallowsWithBeep() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        auto* box = c.txt;
        box->setFocus();
        box->SetSelStart(3);
        for (const QChar character : typed) {
            // Sent as the window system does, for characters no key names.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QCoreApplication::sendEvent(box, &press);
        }
        QCOMPARE(box->text(), expected);
        QCOMPARE(fake.beeps, beeps);
    }

    void theHandlerMayChangeTheKey() {
        c.txt->SetSelStart(3);
        c.txt->SetKeyPress([](std::int16_t& key) { key = '7'; });
        QTest::keyClicks(c.txt, "x");
        QCOMPARE(c.txt->text(), QStringLiteral("1007"));
    }

    // From "12345" with the caret after "12", the editing keys edit as in any
    // text box, silently; a Ctrl letter that edits nothing is a typed control
    // character, swallowed with a beep.
    void editingKeysAsX11DeliversThemEditSilently_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        QTest::newRow("Delete") << "Delete"
                                << "1245" << 0;
        QTest::newRow("Delete a selection") << "shift+Left shift+Left Delete"
                                            << "345" << 0;
        QTest::newRow("Home, End, Backspace") << "Home Delete End BackSpace"
                                              << "234" << 0;
        QTest::newRow("a word at a time") << "ctrl+Delete"
                                          << "12" << 0;
        QTest::newRow("cut all, paste twice") << "ctrl+a ctrl+x ctrl+v ctrl+v"
                                              << "1234512345" << 0;
        QTest::newRow("copy, cut by Shift+Delete") << "shift+End ctrl+c shift+Delete Home ctrl+v"
                                                   << "34512" << 0;
        QTest::newRow("undo") << "Delete ctrl+z"
                              << "12345" << 0;
        QTest::newRow("redo") << "Delete ctrl+z ctrl+shift+z ctrl+z ctrl+y"
                              << "1245" << 0;
        QTest::newRow("a Ctrl letter that edits nothing") << "ctrl+q"
                                                          << "12345" << 1;
    }
    void editingKeysAsX11DeliversThemEditSilently() {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(int, beeps);
        auto* box = c.txt;
        box->setText(QStringLiteral("12345"));
        box->SetSelStart(2);
        for (const QString& key : keys.split(' '))
            SendX11Key(box, key);
        QCOMPARE(box->text(), expected);
        QCOMPARE(fake.beeps, beeps);
    }

    void pastedDroppedAndComposedTextMeetsTheSameFilter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digits") << "2000" << true;
        QTest::newRow("letters") << "12ab" << false;
        QTest::newRow("a line break is no Enter") << "12\n" << false;
        QTest::newRow("full-width digits") << "５００" << false;
    }
    void pastedDroppedAndComposedTextMeetsTheSameFilter() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        auto* box = c.txt;
        const QString expected = accepted ? QStringLiteral("100") + text : QStringLiteral("100");

        // Paste from the keyboard.
        box->SetSelStart(3);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), expected);
        QCOMPARE(fake.beeps > 0, !accepted);

        // An input method's committed text.
        box->setText(QStringLiteral("100"));
        box->SetSelStart(3);
        QInputMethodEvent composed;
        composed.setCommitString(text);
        QCoreApplication::sendEvent(box, &composed);
        QCOMPARE(box->text(), expected);

        // Drag and drop.
        box->setText(QStringLiteral("100"));
        QMimeData data;
        data.setText(text);
        const QPoint end(box->width() - 2, 5);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &enter);
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(box, &drop);
        QCOMPARE(box->text(), expected);

        // Paste from the context menu.
        box->setText(QStringLiteral("100"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                  box->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(box, &menuKey);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) action->trigger();
        menu->close();
        QCOMPARE(box->text(), expected);

        // The desktop's selection, pasted by the middle button where there is one.
        if (!QGuiApplication::clipboard()->supportsSelection()) return;
        box->setText(QStringLiteral("100"));
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QTest::mouseClick(form->windowHandle(), Qt::MiddleButton, {}, box->mapTo(form.get(), end));
        QTRY_COMPARE(box->text(), expected);
    }

    // A composition left unfinished lets Right carry the caret past the end of
    // the text; what is typed or pasted next still joins the text directly.
    void anUnfinishedCompositionLetsNoBlankIn() {
        auto* box = c.txt;
        box->SetSelStart(3);
        QInputMethodEvent composing(QStringLiteral("９"), {});
        QCoreApplication::sendEvent(box, &composing);
        QTest::keyClick(box, Qt::Key_Right);
        QTest::keyClick(box, Qt::Key_5);
        QCOMPARE(box->text(), QStringLiteral("1005"));
        QTest::keyClick(box, Qt::Key_Right);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("10057"));
    }

    void scrollBarTellsScrollFromChange() {
        auto* bar = c.bar;
        bar->SetMin(100);
        bar->SetMax(10000);
        bar->SetSmallChange(10);
        bar->SetLargeChange(100);
        QSignalSpy scrolls(bar, &HScrollBar::Scroll);
        QSignalSpy changes(bar, &HScrollBar::Change);
        bar->SetValue(500);
        QCOMPARE(changes.count(), 1);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->Value(), 510);
        QCOMPARE(changes.count(), 2);
        bar->setSliderDown(true);
        bar->setSliderPosition(900);
        bar->setSliderPosition(1000);
        QCOMPARE(scrolls.count(), 2);
        QCOMPARE(changes.count(), 2);
        bar->setSliderDown(false);
        QCOMPARE(changes.count(), 3); // the drag ends with one Change
    }

    // A focused control shows a ring that stands out at 3:1 or more from what
    // it covers, closes all round and is all that changes, at every zoom. A
    // scroll bar, which takes Enter and the arrows, shows it on its track and
    // a panel just inside its border, after a click too. Once the focus has
    // gone, the control looks as before.
    void focusShowsAsARingAllRound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<BgrColor>("face");
        QTest::addColumn<bool>("clicked"); // focused without the keyboard
        QTest::newRow("button") << "cmd(2)" << 1.0 << BgrColor(0xF0F0F0) << false;
        QTest::newRow("chosen button at 175 %") << "cmd(2)" << 1.75 << RGB(220, 220, 255) << false;
        QTest::newRow("label used as a button") << "lbl" << 1.0 << BgrColor(0xF8F8F8) << false;
        QTest::newRow("scroll bar at 175 %") << "bar" << 1.75 << BgrColor(0) << true;
        QTest::newRow("panel at 175 %") << "pic" << 1.75 << BgrColor(0) << true;
    }
    void focusShowsAsARingAllRound() {
        QFETCH(QString, name);
        QFETCH(double, zoom);
        QFETCH(BgrColor, face);
        QFETCH(bool, clicked);
        SetZoomFactor(zoom);
        auto* control = form->findChild<QWidget*>(name);
        if (face) control->setProperty("BackColor", QVariant::fromValue(face));
        if (auto* label = qobject_cast<Label*>(control)) label->SetKeyboardClick(true);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // As a press of Tab leaves it.
        if (!clicked) form->setAttribute(Qt::WA_KeyboardFocusChange);
        c.txt->setFocus(Qt::TabFocusReason);
        const QImage plain = control->grab().toImage();
        control->setFocus(clicked ? Qt::MouseFocusReason : Qt::TabFocusReason);
        const QImage ring = control->grab().toImage();
        const auto changed = [&](int x, int y) { return ring.pixel(x, y) != plain.pixel(x, y); };
        QRect where;
        int count = 0;
        for (int y = 0; y < ring.height(); ++y)
            for (int x = 0; x < ring.width(); ++x)
                if (changed(x, y)) {
                    where |= QRect(x, y, 1, 1);
                    ++count;
                    QVERIFY(Contrast(ring.pixelColor(x, y), plain.pixelColor(x, y)) >= 3);
                }
        const int width = LineWidth();
        QVERIFY(where.width() > 2 * width && where.height() > 2 * width);
        for (int i = 0; i < width; ++i) {
            for (int x = where.left(); x <= where.right(); ++x)
                QVERIFY(changed(x, where.top() + i) && changed(x, where.bottom() - i));
            for (int y = where.top(); y <= where.bottom(); ++y)
                QVERIFY(changed(where.left() + i, y) && changed(where.right() - i, y));
        }
        const QRect inside = where.adjusted(width, width, -width, -width);
        QCOMPARE(count, where.width() * where.height() - inside.width() * inside.height());
        if (name == "bar") QVERIFY(Part(QStyle::SC_ScrollBarGroove).contains(where));
        const int border = PictureBox::BorderWidth * width;
        if (name == "pic")
            QCOMPARE(where, control->rect().adjusted(border, border, -border, -border));
        c.txt->setFocus();
        QCOMPARE(control->grab().toImage(), plain);
    }

    void scrollBarReportsEnter() {
        auto* bar = c.bar;
        std::vector<int> keys;
        bar->SetKeyPress([&](std::int16_t& key) { keys.push_back(key); });
        QTest::keyClick(bar, Qt::Key_Return);
        QCOMPARE(keys, std::vector<int>{KeyAscii::Return});
    }

    void escapeClicksTheCancelButtonFromAnyControl() {
        auto* button = c.cmd;
        form->SetCancelButton(button);
        QSignalSpy clicks(button, &CommandButton::Click);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        c.txt->setFocus();
        QTest::keyClick(c.txt, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 1);
    }

    // Ctrl+A selects a text box's text on every desktop, as Ctrl+E goes to
    // its end on X11: the window's enabled shortcut comes first all the same.
    void theWindowsShortcutComesBeforeTheBoxsKey() {
        QAction action(form.get());
        action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        form->addAction(&action);
        QSignalSpy triggered(&action, &QAction::triggered);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        c.txt->setFocus();
        c.txt->SetSelStart(1);
        QTest::keyClick(c.txt, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(c.txt->selectedText(), QString());
        action.setEnabled(false);
        QTest::keyClick(c.txt, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(c.txt->selectedText(), QStringLiteral("100"));
    }

    void keyPreviewSeesKeysFirstAndMaySwallowThem() {
        std::vector<int> seen;
        form->SetKeyPreview(true);
        form->SetKeyDown([&](int& key, int) {
            seen.push_back(key);
            if (key == KeyCode::Right) key = 0;
        });
        auto* box = c.txt;
        box->SetSelStart(0);
        QTest::keyClick(box, Qt::Key_Right);
        QCOMPARE(box->SelStart(), 0); // swallowed before the box
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_F5); // no code: not previewed, ignored by the box
        QCOMPARE(seen, (std::vector<int>{KeyCode::Right, KeyCode::Left}));
    }

    // Inside a raised bevel of two rings, each a pixel of the design wide,
    // the face shows the button's own colour.
    void buttonPaintsItsOwnBackColor_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("ring"); // screen pixels
        QTest::newRow("100 %") << 1.0 << 1;
        QTest::newRow("175 %") << 1.75 << 2;
    }
    void buttonPaintsItsOwnBackColor() {
        QFETCH(double, zoom);
        QFETCH(int, ring);
        SetZoomFactor(zoom);
        auto* button = c.cmd;
        button->SetBackColor(RGB(220, 220, 255));
        const QImage face = button->grab().toImage();
        const int band = ring * int(face.devicePixelRatio()), x = face.width() / 2;
        QCOMPARE(face.pixelColor(x, band - 1), button->palette().color(QPalette::Light));
        QCOMPARE(face.pixelColor(x, 2 * band - 1), button->palette().color(QPalette::Button));
        QCOMPARE(face.pixelColor(x, 2 * band), QColor(220, 220, 255));
    }

    // Qt's own texts, in the controls' context menus, are Japanese once
    // loaded; without the file they stay English and nothing fails.
    void platformTextsAreJapaneseWhereQtHasThem() {
        const QTemporaryDir nothing;
        QVERIFY(!InstallPlatformTexts(nothing.path()));
        QCOMPARE(QScrollBar::tr("Scroll here"), QStringLiteral("Scroll here"));
        QVERIFY(InstallPlatformTexts());
        QCOMPARE(QScrollBar::tr("Scroll here"), QStringLiteral("ここにスクロール"));
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {2, 2},
                                  c.txt->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(c.txt, &menuKey);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("元に戻す")));
        menu->close();
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
