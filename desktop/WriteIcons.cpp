// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

// Writes the program's desktop icons into an icon theme tree: the help
// window's picture as PNG files at the usual sizes, and as a scalable SVG that
// draws the 64-pixel picture square by square.
//
// Usage: fenwa_icons <directory> <icon name>
// Writes <directory>/<n>x<n>/apps/<icon name>.png and
// <directory>/scalable/apps/<icon name>.svg.

#include "ui/help/HelpIcon.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int PngSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int SvgGrid = 64;

// The colour that covers most of the picture.
QRgb Ground(const QImage& picture) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++counts[picture.pixel(x, y)];
    return std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The picture on its most common colour, each row's runs of any other colour
// one rectangle a run.
QString Svg(const QImage& picture) {
    QString svg;
    QTextStream out(&svg);
    const int size = picture.width();
    const QRgb ground = Ground(picture);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << size << ' ' << size << "\" shape-rendering=\"crispEdges\">\n"
        << "<rect width=\"" << size << "\" height=\"" << size << "\" fill=\""
        << QColor(ground).name() << "\"/>\n";
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size;) {
            const QRgb colour = picture.pixel(x, y);
            int end = x + 1;
            while (end < size && picture.pixel(end, y) == colour)
                ++end;
            if (colour != ground)
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return svg;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <directory> <icon name>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : PngSizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(root).arg(size).arg(name);
        QDir().mkpath(QFileInfo(path).path());
        if (!fenwa::ui::HelpIconPicture(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = QStringLiteral("%1/scalable/apps/%2.svg").arg(root, name);
    if (!Write(svg, Svg(fenwa::ui::HelpIconPicture(SvgGrid)).toUtf8())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
