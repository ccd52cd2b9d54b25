// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/surface/Surface.h"

#include "display/text/Fonts.h"
#include "display/text/TextDpi.h"
#include "display/zoom/Twips.h"
#include "display/zoom/Zoom.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace fenwa::display {

namespace {

QPen LinePen(BgrColor colour, int width) {
    QPen pen(ToQColor(colour));
    pen.setWidth(width);
    return pen;
}

// Paints on the image's own device pixels, whatever its pixel ratio, so that
// a line lands on whole device pixels and no scaling shifts it off them.
class DevicePainter : public QPainter {
public:
    explicit DevicePainter(QImage& image) : image_(image), ratio_(image.devicePixelRatio()) {
        image_.setDevicePixelRatio(1);
        begin(&image_);
    }
    ~DevicePainter() {
        end();
        image_.setDevicePixelRatio(ratio_);
    }
    DevicePainter(const DevicePainter&) = delete;
    DevicePainter& operator=(const DevicePainter&) = delete;

private:
    QImage& image_;
    qreal ratio_;
};

} // namespace

Surface::Surface(QWidget& host, QMargins border) : host_(host), border_(border) {}

QRect Surface::Area() const { return host_.rect().marginsRemoved(border_ * LineWidth()); }

QSize Surface::Size() const {
    // The host is laid out at the zoom, so its design is read back from it: a
    // window by its size, a control by its edges within the window.
    const QRect host =
        host_.isWindow() ? QRect(QPoint(0, 0), ToDesign(host_.size())) : ToDesign(host_.geometry());
    return host.marginsRemoved(border_).size();
}

QPointF Surface::Zoom() const {
    const QSize area = Area().size();
    const QSize design = Size();
    return {design.width() > 0 ? double(area.width()) / design.width() : 1.0,
            design.height() > 0 ? double(area.height()) / design.height() : 1.0};
}

bool Surface::EnsureImage() const {
    const QSize size = Area().size();
    if (size.isEmpty() || Size().isEmpty()) {
        image_ = QImage();
        return false;
    }
    const qreal ratio = host_.devicePixelRatioF();
    const QSize device(int(std::ceil(size.width() * ratio)), int(std::ceil(size.height() * ratio)));
    if (image_.size() != device || image_.devicePixelRatio() != ratio) {
        image_ = At96Dpi(QImage(device, QImage::Format_RGB32));
        image_.setDevicePixelRatio(ratio);
        image_.fill(ToQColor(backColor_));
        paintPending_ = true;
    }
    return true;
}

void Surface::Blit(QPainter& painter) {
    if (!EnsureImage()) return;
    if (paintPending_) {
        paintPending_ = false;
        RaisePaint();
    }
    painter.drawImage(Area().topLeft(), image_);
}

void Surface::RaisePaint() {
    if (!paintHandler_) return;
    // The handler's drawing is copied by the blit that raised it; asking the
    // host for another paint meanwhile would only repeat that copy.
    const bool outer = !raisingPaint_;
    raisingPaint_ = true;
    paintHandler_();
    if (outer) raisingPaint_ = false;
}

void Surface::Touched(const QRectF& device) {
    if (raisingPaint_) return;
    const QRect area = Area();
    const qreal ratio = image_.devicePixelRatio();
    const QRectF pixels(device.topLeft() / ratio, device.size() / ratio);
    host_.update(pixels.translated(area.topLeft()).toAlignedRect().adjusted(-1, -1, 1, 1) & area);
}

void Surface::SetBackColor(BgrColor colour) {
    backColor_ = colour;
    if (EnsureImage()) {
        image_.fill(ToQColor(backColor_));
        Touched(image_.rect());
    }
}

void Surface::SetScaleMode(int mode) { scaleMode_ = mode; }

void Surface::Scale(double x1, double y1, double x2, double y2) {
    scaleMode_ = User;
    userLeft_ = x1;
    userTop_ = y1;
    userWidth_ = x2 - x1;
    userHeight_ = y2 - y1;
}

double Surface::ScaleLeft() const { return scaleMode_ == User ? userLeft_ : 0.0; }
double Surface::ScaleTop() const { return scaleMode_ == User ? userTop_ : 0.0; }

double Surface::ScaleWidth() const {
    const double pixels = Size().width();
    switch (scaleMode_) {
    case User: return userWidth_;
    case Twips: return PixelsToTwips(pixels);
    default: return pixels;
    }
}

double Surface::ScaleHeight() const {
    const double pixels = Size().height();
    switch (scaleMode_) {
    case User: return userHeight_;
    case Twips: return PixelsToTwips(pixels);
    default: return pixels;
    }
}

QPointF Surface::ToPixels(double x, double y) const {
    const QSize size = Size();
    const double width = ScaleWidth();
    const double height = ScaleHeight();
    return {width == 0 ? 0.0 : (x - ScaleLeft()) * size.width() / width,
            height == 0 ? 0.0 : (y - ScaleTop()) * size.height() / height};
}

double Surface::ToUnitsX(double pixels) const {
    const int width = Size().width();
    return width == 0 ? 0.0 : pixels * ScaleWidth() / width;
}

double Surface::ToUnitsY(double pixels) const {
    const int height = Size().height();
    return height == 0 ? 0.0 : pixels * ScaleHeight() / height;
}

QRectF Surface::Block(const QPointF& pixels) const {
    const qreal ratio = image_.devicePixelRatio();
    const QPointF scale = Zoom() * ratio; // device pixels per pixel of the design
    const double side = LineWidth(ratio);
    // The block is centred where the pixel falls, so that a dot keeps its
    // place in the picture whatever the size of its block.
    const auto start = [side](double pixel, double scale) {
        return std::floor((std::floor(pixel + 0.5) + 0.5) * scale - side / 2 + 0.5);
    };
    return {start(pixels.x(), scale.x()), start(pixels.y(), scale.y()), side, side};
}

std::optional<QRect> Surface::DotBlock(const QPointF& pixels) const {
    const QSize size = Size();
    const double x = std::floor(pixels.x() + 0.5), y = std::floor(pixels.y() + 0.5);
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height()) return std::nullopt;
    // A block at the far edge that rounding pushed out is moved back in whole
    // (cut only where the whole area is smaller than one block).
    QRect block = Block(pixels).toRect();
    block.moveLeft(std::max(0, std::min(block.left(), image_.width() - block.width())));
    block.moveTop(std::max(0, std::min(block.top(), image_.height() - block.height())));
    return block & image_.rect();
}

void Surface::SetFontName(const QString& name) { fontName_ = name; }
void Surface::SetFontSize(double points) { fontSize_ = points; }
void Surface::SetFontBold(bool bold) { fontBold_ = bold; }

QFont Surface::CurrentFont() const {
    return LogicalFont(fontName_, fontSize_ > 0 ? fontSize_ : 1.0, fontBold_);
}

void Surface::Cls() {
    if (EnsureImage()) {
        image_.fill(ToQColor(backColor_));
        Touched(image_.rect());
    }
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::PSet(double x, double y) { PSet(x, y, foreColor_); }

void Surface::PSet(double x, double y, BgrColor colour) {
    currentX_ = x;
    currentY_ = y;
    if (!EnsureImage()) return;
    // One pixel of the design: a block of device pixels where the screen is
    // dense or the program zoomed.
    if (const std::optional<QRect> block = DotBlock(ToPixels(x, y))) Fill(*block, colour);
}

void Surface::Fill(const QRect& device, BgrColor colour) {
    const QRect inside = device & image_.rect();
    if (inside.isEmpty()) return;
    const QRgb rgb = ToQColor(colour).rgb();
    for (int dy = inside.top(); dy <= inside.bottom(); ++dy) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(dy));
        std::fill(line + inside.left(), line + inside.right() + 1, rgb);
    }
    Touched(inside);
}

// Lines run through the centres of the blocks of the pixels they join, as
// wide as a block, so that they cover whole device pixels as a dot does.
void Surface::LineTo(double x, double y, BgrColor colour) {
    const QPointF from = ToPixels(currentX_, currentY_);
    currentX_ = x;
    currentY_ = y;
    if (!EnsureImage()) return;
    const QRectF start = Block(from), end = Block(ToPixels(x, y));
    {
        DevicePainter painter(image_);
        painter.setPen(LinePen(colour, int(start.width())));
        painter.drawLine(start.center(), end.center());
    }
    Touched(start.united(end));
}

void Surface::Polyline(const std::vector<QPointF>& points, BgrColor colour) {
    if (points.empty()) return;
    currentX_ = points.back().x();
    currentY_ = points.back().y();
    if (!EnsureImage()) return;
    // Through the centres of the pixels of the design the points fall in, as
    // LineTo's ends, but wherever in them the points fall.
    const QPointF scale = Zoom() * image_.devicePixelRatio();
    QPolygonF device;
    for (const QPointF& point : points) {
        const QPointF pixels = ToPixels(point.x(), point.y()) + QPointF(0.5, 0.5);
        device << QPointF(pixels.x() * scale.x(), pixels.y() * scale.y());
    }
    const int width = LineWidth(image_.devicePixelRatio());
    {
        DevicePainter painter(image_);
        painter.setPen(LinePen(colour, width));
        painter.drawPolyline(device);
    }
    Touched(device.boundingRect().adjusted(-width, -width, width, width));
}

void Surface::Box(double x, double y, double dx, double dy, BgrColor colour) {
    currentX_ = x + dx;
    currentY_ = y + dy;
    if (!EnsureImage()) return;
    // Each side is filled, as wide as a dot's block, from the corner's block
    // to the opposite corner's; so a box of no width or no height is a line
    // that covers its corners too, which a painter's rectangle of no size
    // leaves out.
    const QRect corner = Block(ToPixels(x, y)).toRect();
    const QRect outline = corner.united(Block(ToPixels(x + dx, y + dy)).toRect());
    const int side = corner.width();
    Fill(QRect(outline.left(), outline.top(), outline.width(), side), colour);
    Fill(QRect(outline.left(), outline.bottom() - side + 1, outline.width(), side), colour);
    Fill(QRect(outline.left(), outline.top(), side, outline.height()), colour);
    Fill(QRect(outline.right() - side + 1, outline.top(), side, outline.height()), colour);
}

void Surface::Print(const QString& text) {
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font, &MeasuringDevice());
    const double width = metrics.horizontalAdvance(text);
    if (EnsureImage() && !text.isEmpty()) {
        const QPointF at = ToPixels(currentX_, currentY_);
        const QPointF zoom = Zoom();
        const QPointF scale = zoom * image_.devicePixelRatio(); // device pixels per pixel
        // The pen is the top of the line's cell, which starts in the row of
        // device pixels that the top lies in; the baseline lies a whole
        // number of rows below it. So pieces in two fonts printed from one
        // top keep the same distance between their baselines on every line,
        // and a piece printed a fraction of a pixel higher shows higher.
        // The glyphs reach as high and as low as the installed face makes
        // them.
        const double ascent = LineCell(font, MeasuringDevice()).ascent;
        const QPointF baseline(
            at.x(), (std::floor(at.y() * scale.y()) + std::round(ascent * scale.y())) / scale.y());
        QPainter painter(&image_);
        // Laid out in pixels of the design and drawn through the zoom, so that
        // the glyphs are drawn at their zoomed size, never enlarged.
        if (zoom != QPointF(1, 1)) painter.scale(zoom.x(), zoom.y());
        painter.setFont(font);
        painter.setPen(ToQColor(foreColor_));
        painter.drawText(baseline, text);
        const double top = baseline.y() - metrics.ascent();
        Touched(QRectF(at.x() * scale.x(), top * scale.y(), width * scale.x(),
                       metrics.height() * scale.y()));
    }
    const double startX = currentX_;
    currentX_ += ToUnitsX(width);
    if (printObserver_ && !text.isEmpty())
        printObserver_({text, fontName_, fontSize_, startX, currentY_, currentX_});
}

void Surface::PrintLine(const QString& text) {
    Print(text);
    currentX_ = ScaleLeft();
    currentY_ += TextHeight(text.isEmpty() ? QStringLiteral("A") : text);
}

double Surface::TextHeight(const QString& text) const {
    const auto lines = text.count(QLatin1Char('\n')) + 1;
    return ToUnitsY(LineCell(CurrentFont(), MeasuringDevice()).height * double(lines));
}

double Surface::TextWidth(const QString& text) const {
    const QFontMetricsF metrics(CurrentFont(), &MeasuringDevice());
    return ToUnitsX(metrics.horizontalAdvance(text));
}

void Surface::Refresh() {
    if (!EnsureImage()) return;
    image_.fill(ToQColor(backColor_));
    paintPending_ = false;
    RaisePaint();
    Touched(image_.rect());
}

BgrColor Surface::Point(double x, double y) const {
    if (!EnsureImage()) return 0xFFFFFFFF;
    const std::optional<QRect> block = DotBlock(ToPixels(x, y));
    if (!block) return 0xFFFFFFFF;
    return FromQColor(QColor(image_.pixel(block->topLeft())));
}

const QImage& Surface::Image() const {
    EnsureImage();
    return image_;
}

} // namespace fenwa::display
