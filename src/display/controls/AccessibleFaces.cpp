// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/controls/AccessibleFaces.h"

#include "display/controls/Announcer.h"
#include "display/controls/Label.h"
#include "display/controls/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace fenwa::display {

namespace {

// A label that clicks from the keyboard: a link, named by its caption.
class LinkFace : public QAccessibleWidget {
public:
    explicit LinkFace(Label& label) : QAccessibleWidget(&label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label().Caption();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit label().Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label& label() const { return *static_cast<Label*>(widget()); }
};

// A panel: the role its window gives it, and its keyboard's actions.
class PanelFace : public QAccessibleWidget {
public:
    explicit PanelFace(PictureBox& box) : QAccessibleWidget(&box) {}

    QAccessible::Role role() const override { return box().AccessibleRole(); }
    QStringList actionNames() const override {
        QStringList names;
        if (box().KeyboardClick()) names << pressAction();
        if (box().contextMenuPolicy() == Qt::CustomContextMenu) names << showMenuAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && box().KeyboardClick())
            emit box().Click();
        else if (action == showMenuAction())
            box().OpenMenuFromKeyboard();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox& box() const { return *static_cast<PictureBox*>(widget()); }
};

// Says its sentence as it appears.
class NotificationFace : public QAccessibleWidget {
public:
    explicit NotificationFace(Announcer& announcer)
        : QAccessibleWidget(&announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<Announcer*>(widget())->Sentence();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeFace(const QString&, QObject* object) {
    if (auto* label = qobject_cast<Label*>(object))
        return label->focusPolicy() == Qt::NoFocus ? nullptr : new LinkFace(*label);
    if (auto* box = qobject_cast<PictureBox*>(object)) return new PanelFace(*box);
    if (auto* announcer = qobject_cast<Announcer*>(object)) return new NotificationFace(*announcer);
    return nullptr;
}

} // namespace

void InstallAccessibleFaces() {
    static const bool installed = [] {
        QAccessible::installFactory(MakeFace);
        return true;
    }();
    (void)installed;
}

void RenewAccessibleFace(QObject& control) {
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&control))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace fenwa::display
