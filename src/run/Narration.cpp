// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/Narration.h"

#include "display/numbers/Format.h"
#include "model/Bins.h"
#include "model/Conditions.h"
#include "model/Fringes.h"
#include "model/PhotonCount.h"
#include "run/CountsCsv.h"
#include "run/PhotonRun.h"

#include <cmath>

namespace fenwa::run {

namespace {

// A quarter of a run told on its own should last at least this long [s].
constexpr double ShortestToldQuarter = 1.0;

// Millimetres to a tenth, as a height is read out: "6.3", "0".
QString Millimetres(double metres) {
    const double tenths = std::round(std::abs(metres) * 10000);
    return tenths == 0 ? QStringLiteral("0") : QString::number(tenths / 10, 'f', 1);
}

// The heights of symmetric fringes, from the centre out, the edges last:
// "0、±6.3 mm と上下の端 ±12.7 mm".
QString Heights(const std::vector<model::Fringe>& fringes) {
    QStringList inside;
    QString edge;
    for (const model::Fringe& fringe : fringes) {
        if (fringe.Y < 0) continue; // the mirror image of one below
        const QString sign = fringe.Y > 0 ? QStringLiteral("±") : QString();
        if (fringe.AtEdge)
            edge = QStringLiteral("上下の端 ±%1 mm").arg(Millimetres(fringe.Y));
        else
            inside << sign + Millimetres(fringe.Y);
    }
    const QString within =
        inside.isEmpty() ? QString() : inside.join(u'、') + QStringLiteral(" mm");
    if (edge.isEmpty()) return within;
    return within.isEmpty() ? edge : within + QStringLiteral(" と") + edge;
}

// "明るい縞は 0、±6.3 mm と上下の端 ±12.7 mm の 5 本"
QString BrightFringes(const model::FringeMap& map) {
    return QStringLiteral("明るい縞は %1 の %2 本").arg(Heights(map.Bright)).arg(map.Bright.size());
}

// "弱い縞は ±3.2、±9.5 mm、暗い縞は ±2.1、±4.2、±8.4、±10.6 mm です。"
QString OtherFringes(const model::FringeMap& map) {
    const QString faint =
        map.Faint.empty() ? QString() : QStringLiteral("弱い縞は %1、").arg(Heights(map.Faint));
    return faint + QStringLiteral("暗い縞は %1 です。").arg(Heights(map.Dark));
}

// "２重スリット、フォトン 1000 個", or where the slits changed during the
// run, "フォトン 2000 個（３重スリットで 1100 個、単スリットで 900 個）".
QString RunName(const model::Apparatus& apparatus, const std::vector<ArrangementCount>& drawn,
                std::int32_t photons) {
    const QString count = QStringLiteral("フォトン %1 個").arg(photons);
    if (drawn.size() <= 1)
        return SlitArrangement(drawn.empty() ? apparatus.SlitCount
                                             : drawn.front().Apparatus.SlitCount) +
               QStringLiteral("、") + count;
    QStringList parts;
    for (const ArrangementCount& arrangement : drawn)
        parts << SlitArrangement(arrangement.Apparatus.SlitCount) +
                     QStringLiteral("で %1 個").arg(arrangement.Photons);
    return count + QStringLiteral("（") + parts.join(u'、') + QStringLiteral("）");
}

// "上 6.3 mm で", "中央で", "下端 12.7 mm で".
QString AtPlace(const FringeCount& fringe) {
    if (Millimetres(fringe.Y) == QStringLiteral("0")) return QStringLiteral("中央で");
    const QString side = fringe.Y < 0 ? QStringLiteral("上") : QStringLiteral("下");
    return side + (fringe.AtEdge ? QStringLiteral("端 ") : QStringLiteral(" ")) +
           Millimetres(fringe.Y) + QStringLiteral(" mm で");
}

} // namespace

QString SlitArrangement(int slitCount) {
    switch (slitCount) {
    case 1: return QStringLiteral("単スリット");
    case 2: return QStringLiteral("２重スリット");
    case 3: return QStringLiteral("３重スリット");
    default: return {};
    }
}

std::vector<FringeCount> CountBrightFringes(const FinishedRun& run) {
    const model::Apparatus& apparatus = run.Apparatus;
    const std::vector<double> predicted = PredictedCounts(run);
    const double binWidth = model::BinWidth(apparatus);
    std::vector<FringeCount> counts;
    for (const model::Fringe& peak : model::FindFringes(apparatus).Bright) {
        const model::Span band = model::HalfMaximumSpan(apparatus, peak);
        FringeCount count{peak.Y, peak.AtEdge};
        // The bins whose centres lie in the band, counted and predicted alike.
        for (int k = 0; k <= model::Bins; ++k) {
            const double centre = k * binWidth - apparatus.YMax;
            if (centre < band.From || centre > band.To) continue;
            count.Counted += run.Record.BinCounts.at(std::size_t(k));
            count.Predicted += predicted[std::size_t(k)];
        }
        counts.push_back(count);
    }
    return counts;
}

QString ScreenBeforeRun() { return QStringLiteral("まだフォトンは届いていません。"); }

QString ScreenDescription(const model::Apparatus& apparatus,
                          const std::vector<ArrangementCount>& drawn, std::int32_t arrived,
                          std::int32_t photons) {
    const QString count = arrived < photons
                              ? QStringLiteral("のうち %1 個が届きました。").arg(arrived)
                              : QStringLiteral("がすべて届きました。");
    const model::FringeMap map = model::FindFringes(apparatus);
    return RunName(apparatus, drawn, photons) + count +
           QStringLiteral("フォトンは明るい縞に集まります。") + BrightFringes(map) +
           QStringLiteral("です。") + OtherFringes(map);
}

QString HistogramBeforeRun() {
    return QStringLiteral("実験が終わると、高さごとのフォトンの数のヒストグラムと理論曲線が"
                          "ここに現れます。");
}

QString HistogramDuringRun(std::int32_t arrived, std::int32_t photons) {
    return QStringLiteral("実験中です。フォトン %1 個のうち %2 個が届きました。")
               .arg(photons)
               .arg(arrived) +
           HistogramBeforeRun();
}

QString HistogramDescription(const FinishedRun& run) {
    QStringList counts;
    for (const FringeCount& fringe : CountBrightFringes(run))
        counts << QStringLiteral("%1 %2 個（理論値 %3 個）")
                      .arg(AtPlace(fringe))
                      .arg(fringe.Counted)
                      .arg(std::lround(fringe.Predicted));
    const model::FringeMap map = model::FindFringes(run.Apparatus);
    return RunName(run.Apparatus, run.Record.Arrangements, run.Record.Count) +
           QStringLiteral("のヒストグラムと理論曲線。") + BrightFringes(map) +
           QStringLiteral("で、明るさが半分以上の範囲に届いたフォトンは、") + counts.join(u'、') +
           QStringLiteral("です。") + OtherFringes(map);
}

QString RunStartSentence(const model::Apparatus& apparatus, std::int32_t photons) {
    return SlitArrangement(apparatus.SlitCount) +
           QStringLiteral("で、フォトン %1 個の実験を始めます。").arg(photons);
}

QString RunProgressSentence(int quarter, std::int32_t arrived) {
    const QString share = quarter == 2   ? QStringLiteral("半分")
                          : quarter == 1 ? QStringLiteral("4 分の 1")
                                         : QStringLiteral("4 分の 3");
    return QStringLiteral("フォトン %1 個が届きました（%2）。").arg(arrived).arg(share);
}

QString RunEndSentence(const FinishedRun& run) {
    std::int32_t counted = 0;
    double predicted = 0;
    for (const FringeCount& fringe : CountBrightFringes(run)) {
        counted += fringe.Counted;
        predicted += fringe.Predicted;
    }
    return QStringLiteral(
               "実験が終わりました：%1のうち %2 個が明るい縞に届きました（理論値 %3 個）。")
        .arg(RunName(run.Apparatus, run.Record.Arrangements, run.Record.Count))
        .arg(counted)
        .arg(std::lround(predicted));
}

int QuartersArrived(std::int32_t arrived, std::int32_t photons) {
    return photons > 0 ? int(std::int64_t{arrived} * 4 / photons) : 0;
}

bool TellsQuarters(std::int32_t photons) {
    return photons * PhotonPeriod(photons) / 4 >= ShortestToldQuarter;
}

QString CountRefusedSentence(bool loweredToMost) {
    const QString range = QStringLiteral("フォトンの個数は %1 から %2 までです。")
                              .arg(model::FewestPhotons)
                              .arg(model::MostPhotons);
    return loweredToMost ? range + QStringLiteral("%1 にしました。").arg(model::MostPhotons)
                         : range;
}

QStringList ApparatusLines(const model::Apparatus& apparatus) {
    using display::Format;
    const auto value = [](double number, const char* pattern, const char* unit) {
        return Format(number, QString::fromLatin1(pattern)) + u' ' + QString::fromUtf8(unit);
    };
    QStringList lines{
        QStringLiteral("スリット-スクリーン間の距離 ") + value(apparatus.ScreenDist, "#0.00", "m"),
        (apparatus.SlitCount == 1 ? QStringLiteral("スリットの幅 ")
                                  : QStringLiteral("スリットの間隔 ")) +
            value(apparatus.SlitSize * 1000, "#0.00", "mm"),
        WaveLenLabel(apparatus) + u' ' + value(apparatus.WaveLen * 1000000, "0.###", "μm"),
        QStringLiteral("回折図形（右図）の上下の長さ ") +
            value(2 * apparatus.YMax * 100, "##.##", "cm"),
    };
    if (model::WhichSlitSeen(apparatus)) lines << SlitWatchedLine();
    return lines;
}

QString WaveLenLabel(const model::Apparatus& apparatus) {
    return model::ConditionsOf(apparatus).WaveLenNm == 633
               ? QStringLiteral("光の波長（He-Ne レーザー)")
               : QStringLiteral("光の波長");
}

QString SlitWatchedLine() { return QStringLiteral("どのスリットを通ったかを観測中"); }

} // namespace fenwa::run
