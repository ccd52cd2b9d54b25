// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/surface/Surface.h"

#include <QWidget>
#include <functional>
#include <vector>

namespace fenwa::display {

class CommandButton;

// A window: a drawing surface over its client area, under its controls.
class Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    enum class Border { FixedSingle, Sizable };
    using KeyDownHandler = std::function<void(int& keyCode, int shift)>;

    explicit Form(QWidget* parent = nullptr);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    BgrColor BackColor() const { return surface_.BackColor(); }
    void SetBackColor(BgrColor colour);

    // Client size in twips; a fixed border keeps it, a sizable one starts with it.
    void SetClientSize(int widthTwips, int heightTwips, Border border);
    // Outer size and position, frame included, in twips of the design.
    int Width() const;
    int Height() const;
    void Move(double leftTwips, double topTwips);

    // Lays the window out again at the current zoom: its size, its controls'
    // places, fonts and frames, read from where they stood at the previous one.
    void ApplyZoom(double previous);
    // The window's outer size on the screen, frame included, at a zoom.
    QSize OuterSizeAt(double zoom) const;
    // Moves the window, frame included, into an area of the screen, as far as
    // it fits there.
    void KeepWithin(const QRect& area);

    // Esc anywhere in the window clicks this button.
    void SetCancelButton(CommandButton* button);
    // Esc anywhere in the window closes it, for a window without a cancel button.
    void CloseOnEscape();
    // With key preview, the window sees every key before the focused control.
    void SetKeyPreview(bool on);
    void SetKeyDown(KeyDownHandler handler) { keyDown_ = std::move(handler); }

    // The window's controls, in the order they were created.
    const std::vector<QWidget*>& Controls() const { return controls_; }
    void AddControl(QWidget* control);
    // Gives the focus order of the tab indices to the controls that take focus.
    void ApplyTabOrder(const std::vector<std::pair<int, QWidget*>>& byTabIndex);

    // Shows the window as a dialog of owner and returns when it has been
    // closed; meanwhile no other window takes input. The desktop keeps it
    // above owner and minimises it only with owner; once it has closed, owner
    // has the keyboard again.
    void ShowModal(QWidget& owner);

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool PreviewKey(QKeyEvent& event);
    // Whether the key is the shortcut of one of the window's enabled actions,
    // which come before the controls' own keys.
    bool OwnShortcut(const QKeyEvent& event) const;
    void SetScreenSize(const QSize& size);

    Surface surface_;
    Border border_ = Border::Sizable;
    std::vector<QWidget*> controls_;
    KeyDownHandler keyDown_;
    bool keyPreview_ = false;
    bool passingOn_ = false; // a previewed key is on its way through a control
};

} // namespace fenwa::display
