// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "run/RunPicture.h"

#include "display/controls/PictureBox.h"
#include "display/dspCommon.h"
#include "display/forms/DesignPalette.h"
#include "display/text/TextDpi.h"
#include "display/zoom/Zoom.h"
#include "run/HistogramPanel.h"
#include "run/RunConditions.h"
#include "run/ScreenPanel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace fenwa::run {

namespace {

constexpr int StripMargin = 6; // logical pixels above and below the line

QImage FormColoured(QSizeF logical, qreal ratio) {
    QImage image =
        display::At96Dpi(QImage(int(std::ceil(logical.width() * ratio)),
                                int(std::ceil(logical.height() * ratio)), QImage::Format_RGB32));
    image.setDevicePixelRatio(ratio);
    image.fill(display::ToQColor(dspCommon::FormBackColor));
    return image;
}

} // namespace

QImage PanelsSideBySide(const FinishedRun& run, const PanelPlaces& places) {
    // Panels of the window's own kind, in the window's colours, off the screen.
    QWidget canvas;
    canvas.setPalette(display::DesignPalette());
    display::PictureBox screen(&canvas), histogram(&canvas);
    screen.setGeometry(display::ToScreen(places.screen));
    histogram.setGeometry(display::ToScreen(places.histogram));
    screen.SetBackColor(dspCommon::GreyBlue); // as every run leaves it
    screen.surface().SetPaintHandler([&] { DrawDots(run.Record, screen.surface()); });
    histogram.surface().SetPaintHandler(
        [&] { DrawHistogram(run.Record, run.Apparatus, histogram.surface(), screen.BackColor()); });
    const QRect both = screen.geometry().united(histogram.geometry());
    QImage image = FormColoured(both.size(), screen.devicePixelRatioF());
    QPainter painter(&image);
    for (display::PictureBox* panel : {&screen, &histogram})
        painter.drawPixmap(panel->geometry().topLeft() - both.topLeft(), panel->grab());
    return image;
}

QString RunPictureLine(const FinishedRun& run, const SlitCaption& slitCaption) {
    const auto& arrangements = run.Record.Arrangements;
    if (arrangements.size() <= 1)
        return slitCaption(run.Apparatus.SlitCount) + QChar(0x3000) +
               QStringLiteral("フォトン %1 個").arg(run.Record.Count) + ConditionsCaption(run);
    QStringList parts;
    for (const ArrangementCount& arrangement : arrangements)
        parts << QStringLiteral("%1 %2 個")
                     .arg(slitCaption(arrangement.Apparatus.SlitCount))
                     .arg(arrangement.Photons);
    return parts.join(QStringLiteral(" → ")) + ConditionsCaption(run);
}

QImage RunPicture(const FinishedRun& run, const QImage& panels, double zoom,
                  const SlitCaption& slitCaption, const display::FontSpec& font) {
    // The line is as large beside the panels as they are drawn.
    const QFont lineFont = display::LogicalFont(font.name, font.points * zoom, font.bold);
    const QFontMetricsF metrics(lineFont, &display::MeasuringDevice());
    const QSizeF size = panels.deviceIndependentSize();
    QString line = RunPictureLine(run, slitCaption);
    // A line longer than the panels are wide puts the conditions it states on
    // a second line, and the strip grows to hold both.
    const QString conditions = ConditionsCaption(run);
    const QRectF text(StripMargin * zoom, 0, size.width() - 2 * StripMargin * zoom, 1e6);
    const bool two = !conditions.isEmpty() && metrics.horizontalAdvance(line) > text.width();
    if (two) line = line.chopped(conditions.size()) + u'\n' + conditions.mid(1);
    const int flags = two ? Qt::AlignCenter | Qt::TextWordWrap : Qt::AlignCenter;
    const qreal height = two ? metrics.boundingRect(text, flags, line).height() : metrics.height();
    const QRectF strip(0, size.height(), size.width(), std::ceil(height + 2 * StripMargin * zoom));
    QImage picture = FormColoured(QSizeF(size.width(), strip.bottom()), panels.devicePixelRatio());
    QPainter painter(&picture);
    painter.drawImage(QPointF(0, 0), panels);
    painter.setFont(lineFont);
    painter.setPen(Qt::black);
    painter.drawText(two ? strip - QMarginsF(text.left(), 0, text.left(), 0) : strip, flags, line);
    painter.end();
    // Shown or printed at the size it has in the window, also where its
    // pixels are finer than the layout's.
    picture.setDotsPerMeterX(qRound(picture.dotsPerMeterX() * picture.devicePixelRatio()));
    picture.setDotsPerMeterY(qRound(picture.dotsPerMeterY() * picture.devicePixelRatio()));
    return picture;
}

} // namespace fenwa::run
