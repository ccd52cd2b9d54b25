// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/RunConditions.h"

#include "model/Conditions.h"

#include <algorithm>

namespace fenwa::run {

namespace {

// The dialog is closed during a run, so its arrangements differ in their
// slits alone; all are asked all the same.
bool AllArrangements(const FinishedRun& run, bool (*holds)(const model::Apparatus&)) {
    if (run.Record.Arrangements.empty()) return holds(run.Apparatus);
    return std::ranges::all_of(run.Record.Arrangements,
                               [holds](const ArrangementCount& a) { return holds(a.Apparatus); });
}

bool Unseen(const model::Apparatus& apparatus) { return !model::WhichSlitSeen(apparatus); }

} // namespace

QString ConditionsCaption(const FinishedRun& run) {
    if (AllArrangements(run, model::IsBookApparatus)) return {};
    const model::Conditions conditions = model::ConditionsOf(run.Apparatus);
    const QChar gap(0x3000);
    QString text = gap + QStringLiteral("%1 nm").arg(conditions.WaveLenNm) + gap +
                   QStringLiteral("%1 mm").arg(conditions.SlitSizeHundredthMm / 100.0, 0, 'f', 2) +
                   gap + QStringLiteral("%1 m").arg(conditions.ScreenDistCm / 100.0, 0, 'f', 2);
    if (!AllArrangements(run, Unseen)) text += gap + QStringLiteral("通り道を観測");
    return text;
}

QString ConditionsFileName(const FinishedRun& run) {
    if (AllArrangements(run, model::IsBookApparatus)) return {};
    const model::Conditions conditions = model::ConditionsOf(run.Apparatus);
    QString text = QStringLiteral("-%1nm-%2um-%3cm")
                       .arg(conditions.WaveLenNm)
                       .arg(conditions.SlitSizeHundredthMm * 10)
                       .arg(conditions.ScreenDistCm);
    if (!AllArrangements(run, Unseen)) text += QStringLiteral("-observed");
    return text;
}

} // namespace fenwa::run
