// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/forms/Form.h"

#include "display/controls/AccessibleFaces.h"
#include "display/controls/CommandButton.h"
#include "display/controls/KeyCodes.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"
#include "display/forms/DesignPalette.h"
#include "display/text/Fonts.h"
#include "display/zoom/Twips.h"
#include "display/zoom/Zoom.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QWindow>
#include <algorithm>

namespace fenwa::display {

namespace {

// A window is a frame to assistive technology, a dialog once it is shown as
// one; its description is its accessible description.
class WindowFace : public QAccessibleWidget {
public:
    explicit WindowFace(Form& form) : QAccessibleWidget(&form) {}
    QAccessible::Role role() const override {
        return widget()->windowType() == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window;
    }
};

QAccessibleInterface* MakeWindowFace(const QString&, QObject* object) {
    auto* form = qobject_cast<Form*>(object);
    return form ? new WindowFace(*form) : nullptr;
}

} // namespace

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window), surface_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPalette(DesignPalette());
    static const bool installed = [] {
        QAccessible::installFactory(MakeWindowFace);
        return true;
    }();
    (void)installed;
    RenewAccessibleFace(*this);
}

void Form::SetBackColor(BgrColor colour) { surface_.SetBackColor(colour); }

void Form::SetClientSize(int widthTwips, int heightTwips, Border border) {
    const QSize size(RoundToInt32(TwipsToPixels(widthTwips)),
                     RoundToInt32(TwipsToPixels(heightTwips)));
    // A close box only: no minimize or maximize box on either kind of border.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    border_ = border;
    SetScreenSize(ToScreen(size));
}

void Form::SetScreenSize(const QSize& size) {
    if (border_ == Border::FixedSingle)
        setFixedSize(size);
    else
        resize(size);
}

int Form::Width() const { return RoundToInt32(PixelsToTwips(ToDesign(frameGeometry().width()))); }
int Form::Height() const { return RoundToInt32(PixelsToTwips(ToDesign(frameGeometry().height()))); }

void Form::Move(double leftTwips, double topTwips) {
    move(ToScreen(TwipsToPixels(leftTwips)), ToScreen(TwipsToPixels(topTwips)));
}

void Form::ApplyZoom(double previous) {
    // Where everything stands in the design, read back before anything moves.
    const QSize client = ToDesign(size(), previous);
    std::vector<QRect> places;
    for (QWidget* control : controls_)
        places.push_back(ToDesign(control->geometry(), previous));
    ApplyDesignFont(*this);
    SetScreenSize(ToScreen(client));
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        ApplyDesignFont(*controls_[i]);
        controls_[i]->setGeometry(ToScreen(places[i]));
        if (auto* label = qobject_cast<Label*>(controls_[i])) label->ApplyZoom();
    }
    // Every surface is drawn afresh at once, so that its image is whole
    // whenever anyone looks, not only once it is next shown.
    surface_.Refresh();
    for (QWidget* control : controls_)
        if (auto* picture = qobject_cast<PictureBox*>(control)) picture->surface().Refresh();
}

QSize Form::OuterSizeAt(double zoom) const {
    const QSize frame = frameGeometry().size() - size();
    return ToScreen(ToDesign(size()), zoom) + frame;
}

void Form::KeepWithin(const QRect& area) {
    const QRect frame = frameGeometry();
    const QPoint within(
        std::max(area.left(), std::min(frame.left(), area.x() + area.width() - frame.width())),
        std::max(area.top(), std::min(frame.top(), area.y() + area.height() - frame.height())));
    if (within != frame.topLeft()) move(within);
}

void Form::SetCancelButton(CommandButton* button) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, button, [button] { button->click(); });
}

void Form::CloseOnEscape() {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void Form::SetKeyPreview(bool on) { keyPreview_ = on; }

void Form::AddControl(QWidget* control) {
    controls_.push_back(control);
    control->installEventFilter(this);
}

void Form::ApplyTabOrder(const std::vector<std::pair<int, QWidget*>>& byTabIndex) {
    auto order = byTabIndex;
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [index, control] : order) {
        if (!(control->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

void Form::ShowModal(QWidget& owner) {
    // The window manager learns that it is owner's dialog (transient for it)
    // from its native window; it stays no child of owner, for the opener owns it.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    setWindowModality(Qt::ApplicationModal);
    winId(); // makes the native window
    windowHandle()->setTransientParent(owner.window()->windowHandle());
    QEventLoop loop;
    connect(this, &Form::Closed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    show();
    loop.exec(QEventLoop::DialogExec);
    // Without a window manager nobody else hands the keyboard back.
    if (owner.isVisible()) owner.activateWindow();
}

void Form::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit Closed();
}

void Form::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.Blit(painter);
}

bool Form::PreviewKey(QKeyEvent& event) {
    if (!keyPreview_ || !keyDown_) return false;
    int keyCode = KeyCodeOf(event);
    if (keyCode == 0) return false;
    keyDown_(keyCode, ShiftStateOf(event));
    return keyCode == 0;
}

void Form::keyPressEvent(QKeyEvent* event) {
    // A key that a control passed up to the window was previewed on its way
    // to the control; only a key sent to the window itself is previewed here.
    if (!passingOn_ && PreviewKey(*event)) return;
    QWidget::keyPressEvent(event);
}

bool Form::OwnShortcut(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    for (const QAction* action : actions())
        if (action->isEnabled())
            for (const QKeySequence& shortcut : action->shortcuts())
                if (shortcut.matches(pressed) == QKeySequence::ExactMatch) return true;
    return false;
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    // Left unaccepted, the key goes to the window's shortcut, though the text
    // box has an editing key of its own for it (Ctrl+E, the end of the line).
    if (event->type() == QEvent::ShortcutOverride && OwnShortcut(*static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() != QEvent::KeyPress || passingOn_)
        return QWidget::eventFilter(watched, event);
    if (PreviewKey(*static_cast<QKeyEvent*>(event))) return true;
    // The key goes on to the control from here, and from the control up to
    // this window if the control leaves it, while the window knows that it
    // has seen it: each key is previewed once, whatever becomes of it.
    const QScopedValueRollback<bool> passing(passingOn_, true);
    QCoreApplication::instance()->notify(watched, event);
    event->accept(); // it has been all the way up; Qt need not pass it on again
    return true;
}

} // namespace fenwa::display
