// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include "display/numbers/BgrColor.h"

#include <QFont>
#include <QImage>
#include <QMargins>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QWidget;

namespace fenwa::display {

// One text that Print drew: where, in which font, and where the pen ended.
// Positions are in the surface's scale units.
struct PrintedText {
    QString text;
    QString fontName;
    double fontSize;
    double x, y, endX;
};

// An immediate-mode drawing surface: the client area of a window or the inside
// of a picture box. What is drawn lands in an image of its own, at the
// screen's device pixel ratio, so drawing may happen at any moment (between two
// photons of a run, say) and an expose of the window costs one copy.
//
// Coordinates are in the surface's scale units: twips, pixels of the design,
// or a user scale set with Scale(). The program's zoom changes only how many
// screen pixels the surface covers: its scale units stay as they are, text
// is drawn at the zoomed size, and a pixel of the design becomes a square
// block of whole device pixels, the same size everywhere (LineWidth). The
// Paint handler is raised whenever the drawing must be rebuilt: on first
// show, after a change of size or zoom, and on Refresh().
class Surface {
public:
    enum Modes : int { User = 0, Twips = 1, Pixels = 3 };

    // host: the widget that shows the surface; border: the part of the host
    // around the surface (a picture box's frame), in pixels of the design.
    explicit Surface(QWidget& host, QMargins border = {});

    void SetPaintHandler(std::function<void()> handler) { paintHandler_ = std::move(handler); }
    // Told of every text that Print draws, so that a test can see the pieces
    // of a line without reading pixels.
    void SetPrintObserver(std::function<void(const PrintedText&)> observer) {
        printObserver_ = std::move(observer);
    }

    // For the host's paintEvent: brings the image up to date and copies it.
    void Blit(QPainter& painter);
    // The drawing area inside the host, in host pixels.
    QRect Area() const;
    // The drawing area's size in pixels of the design, whatever the zoom.
    QSize Size() const;

    BgrColor BackColor() const { return backColor_; }
    void SetBackColor(BgrColor colour); // also erases, as a new background does
    BgrColor ForeColor() const { return foreColor_; }
    void SetForeColor(BgrColor colour) { foreColor_ = colour; }

    int ScaleMode() const { return scaleMode_; }
    void SetScaleMode(int mode);
    // User scale: (x1, y1) is the top-left corner, (x2, y2) the bottom-right.
    void Scale(double x1, double y1, double x2, double y2);
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void SetCurrentX(double x) { currentX_ = x; }
    void SetCurrentY(double y) { currentY_ = y; }

    QString FontName() const { return fontName_; }
    void SetFontName(const QString& name);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double points);
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool bold);

    // Clears to BackColor; the pen returns to (0, 0).
    void Cls();
    void PSet(double x, double y); // in ForeColor
    void PSet(double x, double y, BgrColor colour);
    // A line from the pen to (x, y); the pen moves there.
    void LineTo(double x, double y, BgrColor colour);
    // A line through points in scale units, laid at the device's resolution
    // rather than through the blocks of the design's pixels, as wide as a
    // block: a curve that stays smooth however far the window is zoomed. The
    // pen moves to the last point.
    void Polyline(const std::vector<QPointF>& points, BgrColor colour);
    // The outline of the rectangle with corners (x, y) and (x + dx, y + dy).
    void Box(double x, double y, double dx, double dy, BgrColor colour);
    // Text at the pen, which is the top of the line's cell (LineCell); the
    // pen moves just right of it.
    void Print(const QString& text);
    // Text at the pen, then the pen goes to the start of the next line.
    void PrintLine(const QString& text);
    // The height of the text's lines, each one the height of a cell.
    double TextHeight(const QString& text) const;
    double TextWidth(const QString& text) const;
    // Erases and raises the Paint handler at once.
    void Refresh();

    // The colour at a point, or 0xFFFFFFFF outside the surface.
    BgrColor Point(double x, double y) const;
    const QImage& Image() const;

private:
    // A position in scale units, in pixels of the design.
    QPointF ToPixels(double x, double y) const;
    // A length in pixels of the design, in scale units.
    double ToUnitsX(double pixels) const;
    double ToUnitsY(double pixels) const;
    // The device pixels of the image that the design pixel nearest a
    // position covers: a square of LineWidth(ratio), centred on it.
    QRectF Block(const QPointF& pixels) const;
    // The block of a dot there, wholly inside the image; none outside the area.
    std::optional<QRect> DotBlock(const QPointF& pixels) const;
    // Host pixels per pixel of the design, across and down.
    QPointF Zoom() const;
    // Rebuilds the image when the area or the pixel ratio changed; true if so.
    bool EnsureImage() const;
    // Asks the host to show the device pixels that changed.
    void Touched(const QRectF& device);
    // Fills the device pixels of the rectangle that lie in the image.
    void Fill(const QRect& device, BgrColor colour);
    QFont CurrentFont() const;
    void RaisePaint();

    QWidget& host_;
    QMargins border_;
    std::function<void()> paintHandler_;
    std::function<void(const PrintedText&)> printObserver_;
    mutable QImage image_;
    mutable bool paintPending_ = true;
    bool raisingPaint_ = false;

    BgrColor backColor_ = 0xFFFFFF;
    BgrColor foreColor_ = 0x000000;
    int scaleMode_ = Twips;
    double userLeft_ = 0, userTop_ = 0, userWidth_ = 1, userHeight_ = 1;
    double currentX_ = 0, currentY_ = 0;
    QString fontName_;
    double fontSize_ = 12.0;
    bool fontBold_ = false;
};

} // namespace fenwa::display
