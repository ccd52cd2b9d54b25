#include "Surface.h"

#include "Fonts.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace fenwa::display {

namespace {

// Text is measured and drawn at 96 dots per inch, the inch of the layout,
// whatever the screen reports: an image otherwise takes the screen's dots per
// inch, which differ where the desktop scales fonts instead of pixels.
constexpr int DotsPerMetre = 3780; // 96 dots per inch

QImage At96Dpi(QImage image) {
    image.setDotsPerMeterX(DotsPerMetre);
    image.setDotsPerMeterY(DotsPerMetre);
    return image;
}

const QImage& MeasuringDevice() {
    static const QImage probe = At96Dpi(QImage(1, 1, QImage::Format_RGB32));
    return probe;
}

QPen LinePen(OleColor colour) {
    QPen pen(ToQColor(colour));
    pen.setWidthF(1.0);
    return pen;
}

// The pixel that a point in pixels lies in, as PSet and Box round it.
double NearestPixel(double pixels) { return std::floor(pixels + 0.5); }

// Lines run through the centres of the pixels they join, so that a line one
// pixel wide covers whole pixels: on a high-density screen each one's full
// block of device pixels, not half of it and half of its neighbour's.
QPointF Centre(const QPointF& pixel) { return pixel + QPointF(0.5, 0.5); }

} // namespace

Surface::Surface(QWidget& host, QMargins border) : host_(host), border_(border) {}

QRect Surface::Area() const { return host_.rect().marginsRemoved(border_); }

bool Surface::EnsureImage() const {
    const QSize size = Area().size();
    if (size.isEmpty()) {
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

void Surface::Touched(const QRectF& pixels) {
    if (raisingPaint_) return;
    const QRect area = Area();
    host_.update(pixels.translated(area.topLeft()).toAlignedRect().adjusted(-1, -1, 1, 1) & area);
}

void Surface::SetBackColor(OleColor colour) {
    backColor_ = colour;
    if (EnsureImage()) {
        image_.fill(ToQColor(backColor_));
        Touched(QRectF(QPointF(0, 0), Area().size()));
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
    const double pixels = Area().width();
    switch (scaleMode_) {
    case User: return userWidth_;
    case Twips: return PixelsToTwips(pixels);
    default: return pixels;
    }
}

double Surface::ScaleHeight() const {
    const double pixels = Area().height();
    switch (scaleMode_) {
    case User: return userHeight_;
    case Twips: return PixelsToTwips(pixels);
    default: return pixels;
    }
}

QPointF Surface::ToPixels(double x, double y) const {
    const QRect area = Area();
    const double width = ScaleWidth();
    const double height = ScaleHeight();
    return {width == 0 ? 0.0 : (x - ScaleLeft()) * area.width() / width,
            height == 0 ? 0.0 : (y - ScaleTop()) * area.height() / height};
}

double Surface::ToUnitsX(double pixels) const {
    const int width = Area().width();
    return width == 0 ? 0.0 : pixels * ScaleWidth() / width;
}

double Surface::ToUnitsY(double pixels) const {
    const int height = Area().height();
    return height == 0 ? 0.0 : pixels * ScaleHeight() / height;
}

void Surface::SetFontName(const QString& name) { fontName_ = name; }
void Surface::SetFontSize(double points) { fontSize_ = points; }
void Surface::SetFontBold(bool bold) { fontBold_ = bold; }

QFont Surface::CurrentFont() const {
    QFont font(fontName_);
    font.setPointSizeF(fontSize_ > 0 ? fontSize_ : 1.0);
    font.setWeight(fontBold_ ? QFont::Bold : QFont::Normal);
    return font;
}

void Surface::Cls() {
    if (EnsureImage()) {
        image_.fill(ToQColor(backColor_));
        Touched(QRectF(QPointF(0, 0), Area().size()));
    }
    currentX_ = 0;
    currentY_ = 0;
}

void Surface::PSet(double x, double y) { PSet(x, y, foreColor_); }

void Surface::PSet(double x, double y, OleColor colour) {
    currentX_ = x;
    currentY_ = y;
    if (!EnsureImage()) return;
    const QPointF at = ToPixels(x, y);
    const double px = NearestPixel(at.x()), py = NearestPixel(at.y());
    FillPixels(px, py, px, py, colour);
}

void Surface::FillPixels(double left, double top, double right, double bottom, OleColor colour) {
    // One pixel of the area is a block of device pixels on a high-density
    // screen; the bounds keep what lies outside the image out of it.
    const qreal ratio = image_.devicePixelRatio();
    const auto device = [ratio](double pixels, int limit) {
        const double at = std::floor(pixels * ratio);
        return at > 0 ? int(std::min(at, double(limit))) : 0;
    };
    const int x0 = device(left, image_.width()), x1 = device(right + 1, image_.width());
    const int y0 = device(top, image_.height()), y1 = device(bottom + 1, image_.height());
    if (x0 >= x1 || y0 >= y1) return;
    const QRgb rgb = ToQColor(colour).rgb();
    for (int dy = y0; dy < y1; ++dy) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(dy));
        std::fill(line + x0, line + x1, rgb);
    }
    Touched(QRectF(QPointF(x0, y0) / ratio, QPointF(x1, y1) / ratio));
}

void Surface::LineTo(double x, double y, OleColor colour) {
    const QPointF from = ToPixels(currentX_, currentY_);
    currentX_ = x;
    currentY_ = y;
    if (!EnsureImage()) return;
    const QPointF to = ToPixels(x, y);
    QPainter painter(&image_);
    painter.setPen(LinePen(colour));
    painter.drawLine(Centre(from), Centre(to));
    Touched(QRectF(from, to).normalized());
}

void Surface::Box(double x, double y, double dx, double dy, OleColor colour) {
    currentX_ = x + dx;
    currentY_ = y + dy;
    if (!EnsureImage()) return;
    // Each side is filled pixel by pixel, so a box of no width or no height
    // is a line that covers its corners too, which a painter's rectangle of
    // no size leaves out.
    const QRectF box = QRectF(ToPixels(x, y), ToPixels(x + dx, y + dy)).normalized();
    const double left = NearestPixel(box.left()), right = NearestPixel(box.right());
    const double top = NearestPixel(box.top()), bottom = NearestPixel(box.bottom());
    FillPixels(left, top, right, top, colour);
    FillPixels(left, bottom, right, bottom, colour);
    FillPixels(left, top, left, bottom, colour);
    FillPixels(right, top, right, bottom, colour);
}

void Surface::Print(const QString& text) {
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font, &MeasuringDevice());
    const double width = metrics.horizontalAdvance(text);
    if (EnsureImage() && !text.isEmpty()) {
        const QPointF at = ToPixels(currentX_, currentY_);
        // The pen is the top of the line's cell, which starts in the row of
        // device pixels that the top lies in; the baseline lies a whole
        // number of rows below it. So pieces in two fonts printed from one
        // top keep the same distance between their baselines on every line,
        // and a piece printed a fraction of a pixel higher shows higher.
        // The glyphs reach as high and as low as the installed face makes
        // them.
        const qreal ratio = image_.devicePixelRatio();
        const double ascent = LineCell(font, MeasuringDevice()).ascent;
        const QPointF baseline(at.x(),
                               (std::floor(at.y() * ratio) + std::round(ascent * ratio)) / ratio);
        QPainter painter(&image_);
        painter.setFont(font);
        painter.setPen(ToQColor(foreColor_));
        painter.drawText(baseline, text);
        Touched(QRectF(baseline - QPointF(0, metrics.ascent()), QSizeF(width, metrics.height())));
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
    Touched(QRectF(QPointF(0, 0), Area().size()));
}

OleColor Surface::Point(double x, double y) const {
    if (!EnsureImage()) return 0xFFFFFFFF;
    const QPointF at = ToPixels(x, y);
    const qreal ratio = image_.devicePixelRatio();
    const int dx = int(std::floor(NearestPixel(at.x()) * ratio));
    const int dy = int(std::floor(NearestPixel(at.y()) * ratio));
    if (!image_.valid(dx, dy)) return 0xFFFFFFFF;
    return FromQColor(QColor(image_.pixel(dx, dy)));
}

const QImage& Surface::Image() const {
    EnsureImage();
    return image_;
}

} // namespace fenwa::display
