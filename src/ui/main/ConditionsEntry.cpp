// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "ui/conditions/frmConditions.h"
#include "ui/main/frmFenwa.h"
#include "ui/results/ResultsExport.h"
#include "ui/speech/Narrator.h"

#include <QAction>
#include <QMenu>

namespace fenwa::ui {

// First in the panels' menu, apart from the results' items, and Ctrl+E
// anywhere in the window.
void frmFenwa::AddConditionsItem() {
    mnuConditions = new QAction(QStringLiteral("実験の条件…"), this);
    mnuConditions->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuConditions->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuConditions);
    QMenu& menu = *results_->PanelMenu;
    QAction* first = menu.actions().value(0);
    menu.insertAction(first, mnuConditions);
    menu.insertSeparator(first);
    connect(mnuConditions, &QAction::triggered, this, &frmFenwa::mnuConditions_Click);
}

// The next runs follow the conditions; the last run keeps its own.
void frmFenwa::mnuConditions_Click() {
    if (Running) return;
    const std::optional<model::Apparatus> chosen = AskConditions(*this, environment_, apparatus_);
    if (!chosen) return;
    apparatus_ = *chosen;
    surface().Refresh();
    narrator_->ApparatusChanged();
}

} // namespace fenwa::ui
