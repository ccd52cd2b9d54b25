// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/Notice.h"

#include <QApplication>
#include <QMessageBox>

namespace fenwa::display {

void ShowNotice(const QString& kind, const QString& title, const QString& text, QWidget* owner) {
    QMessageBox* notice = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == kind && window->isVisible())
            if (auto* shown = qobject_cast<QMessageBox*>(window)) notice = shown;
    if (!notice) {
        notice = new QMessageBox(owner);
        notice->setObjectName(kind);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        notice->setIcon(QMessageBox::Information);
        notice->setStandardButtons(QMessageBox::Ok);
        notice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        notice->setWindowModality(Qt::NonModal);
    }
    notice->setWindowTitle(title);
    notice->setText(text);
    notice->show();
    notice->raise();
    notice->activateWindow();
}

} // namespace fenwa::display
