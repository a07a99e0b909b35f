// pekuru-make-icon OUTDIR
//
// Draws the program's icon: a small picture (sky, sun, green hill, a red house) cut into 3 × 3
// tiles on the program's teal background, with the middle tile lifted out of its place as if a
// child were dragging it. Writes OUTDIR/pekuru.svg, OUTDIR/hicolor/NxN/apps/pekuru.png for the
// usual sizes, and OUTDIR/pekuru.ico, the Windows program's icon (the same bitmaps as PNG entries).
// All come from the one description below, so the scalable icon and the bitmaps always show the
// same thing.

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int kCanvas = 256;  // the icon is described on a 256 × 256 canvas
constexpr int kGrid = 32, kTile = 60, kStep = 66;
constexpr int kLiftedRow = 1, kLiftedColumn = 1;
constexpr QPoint kLift{26, 22};  // how far the dragged tile has moved from its place

struct Shape {
    enum Kind { Rect, Ellipse, Polygon } kind;
    QColor colour;
    QRectF box;         // Rect, Ellipse
    QPolygonF corners;  // Polygon
};

// The picture on the tiles, in canvas coordinates over the grid 32..224.
QList<Shape> picture() {
    return {
        {Shape::Rect, QColor(0x7e, 0xc8, 0xf0), QRectF(kGrid, kGrid, 192, 192), {}},
        {Shape::Ellipse, QColor(0xff, 0xd2, 0x3f), QRectF(160, 42, 52, 52), {}},
        {Shape::Ellipse, QColor(0x4c, 0xaf, 0x50), QRectF(-30, 140, 320, 190), {}},
        {Shape::Rect, QColor(0xe5, 0x39, 0x35), QRectF(92, 128, 56, 44), {}},
        {Shape::Polygon, QColor(0x8d, 0x3b, 0x2b), {}, QPolygonF({{84, 130}, {120, 100}, {156, 130}})},
        {Shape::Rect, QColor(0xff, 0xf3, 0xc4), QRectF(112, 146, 16, 26), {}},
    };
}

QRectF tileRect(int row, int column) {
    return QRectF(kGrid + column * kStep, kGrid + row * kStep, kTile, kTile);
}

bool lifted(int row, int column) { return row == kLiftedRow && column == kLiftedColumn; }

// ---- bitmaps ----

void paintPicture(QPainter& p) {
    for (const Shape& s : picture()) {
        p.setBrush(s.colour);
        p.setPen(Qt::NoPen);
        if (s.kind == Shape::Rect) p.drawRect(s.box);
        if (s.kind == Shape::Ellipse) p.drawEllipse(s.box);
        if (s.kind == Shape::Polygon) p.drawPolygon(s.corners);
    }
}

void paintTile(QPainter& p, int row, int column, QPointF offset) {
    const QRectF place = tileRect(row, column);
    p.save();
    p.translate(offset);
    QPainterPath clip;
    clip.addRoundedRect(place, 6, 6);
    p.setClipPath(clip);
    paintPicture(p);
    p.restore();
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / double(kCanvas), size / double(kCanvas));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x80, 0x80));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (!lifted(r, c)) paintTile(p, r, c, {0, 0});
    // The empty place, then the lifted tile with its shadow and a white edge.
    p.setBrush(QColor(0x00, 0x55, 0x55));
    p.drawRoundedRect(tileRect(kLiftedRow, kLiftedColumn), 6, 6);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(tileRect(kLiftedRow, kLiftedColumn).translated(kLift + QPoint(5, 6)), 6, 6);
    paintTile(p, kLiftedRow, kLiftedColumn, kLift);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 4));
    p.drawRoundedRect(tileRect(kLiftedRow, kLiftedColumn).translated(kLift), 6, 6);
    return image;
}

// ---- the scalable icon ----

QString rect(const QRectF& r, const QString& rest) {
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" %5/>")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(rest);
}

// The picture's shapes, as SVG elements.
QString svgPicture() {
    QString s;
    for (const Shape& sh : picture()) {
        const QString fill = QStringLiteral("fill=\"%1\"").arg(sh.colour.name());
        if (sh.kind == Shape::Rect) s += rect(sh.box, fill);
        if (sh.kind == Shape::Ellipse) {
            s += QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\" %5/>")
                     .arg(sh.box.center().x())
                     .arg(sh.box.center().y())
                     .arg(sh.box.width() / 2)
                     .arg(sh.box.height() / 2)
                     .arg(fill);
        }
        if (sh.kind == Shape::Polygon) {
            QStringList points;
            for (const QPointF& c : sh.corners) points << QStringLiteral("%1,%2").arg(c.x()).arg(c.y());
            s += QStringLiteral("<polygon points=\"%1\" %2/>").arg(points.join(QLatin1Char(' ')), fill);
        }
    }
    return s;
}

// One tile: a nested viewport shows only its part of the picture. Plain nested <svg> elements
// rather than clip paths, so that even simple renderers draw the icon right.
QString svgTile(const QRectF& place, QPointF offset) {
    return QStringLiteral(
               "<svg x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" viewBox=\"%5 %6 %3 %4\">%7</svg>\n")
        .arg(place.x() + offset.x())
        .arg(place.y() + offset.y())
        .arg(place.width())
        .arg(place.height())
        .arg(place.x())
        .arg(place.y())
        .arg(svgPicture());
}

QString svgIcon() {
    QString s;
    QTextStream out(&s);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        << "<title>ペクル</title>\n"
        << rect(QRectF(8, 8, 240, 240), QStringLiteral("rx=\"40\" fill=\"#008080\"")) << "\n";
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            if (!lifted(r, c)) out << svgTile(tileRect(r, c), {0, 0});
    const QRectF place = tileRect(kLiftedRow, kLiftedColumn);
    out << rect(place, QStringLiteral("rx=\"6\" fill=\"#005555\"")) << "\n"
        << rect(place.translated(kLift + QPoint(5, 6)),
                QStringLiteral("rx=\"6\" fill=\"#000000\" fill-opacity=\"0.35\""))
        << "\n"
        << svgTile(place, kLift)
        << rect(place.translated(kLift),
                QStringLiteral("rx=\"6\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"4\""))
        << "\n</svg>\n";
    return s;
}

// A Windows icon file whose images are PNG streams (read by every Windows since Vista): the
// ICONDIR header, one ICONDIRENTRY per image (a width or height of 256 is written as 0), then the
// images, all little-endian.
QByteArray icoFile(const QList<QByteArray>& pngs, const QList<int>& sizes) {
    QByteArray out;
    auto put16 = [&out](int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&](qint64 v) {
        put16(int(v & 0xffff));
        put16(int((v >> 16) & 0xffff));
    };
    put16(0);  // reserved
    put16(1);  // an icon, not a cursor
    put16(int(pngs.size()));
    qint64 offset = 6 + 16 * pngs.size();
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const int side = sizes[i] >= 256 ? 0 : sizes[i];
        out.append(char(side)).append(char(side)).append(char(0)).append(char(0));
        put16(1);   // colour planes
        put16(32);  // bits per pixel
        put32(pngs[i].size());
        put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) out.append(png);
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pekuru-make-icon OUTDIR\n");
        return 2;
    }
    QCoreApplication app(argc, argv);  // the arguments as Unicode, on Windows too
    const QString out = QCoreApplication::arguments().at(1);
    QFile svg(out + QStringLiteral("/pekuru.svg"));
    if (!QDir().mkpath(out) || !svg.open(QIODevice::WriteOnly) || svg.write(svgIcon().toUtf8()) < 0) {
        std::fprintf(stderr, "pekuru-make-icon: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    QList<QByteArray> pngs;
    QList<int> icoSizes;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = out + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
        const QImage icon = drawIcon(size);
        if (!QDir().mkpath(dir) || !icon.save(dir + QStringLiteral("/pekuru.png"))) {
            std::fprintf(stderr, "pekuru-make-icon: cannot write %s\n", qPrintable(dir));
            return 1;
        }
        if (size == 22 || size == 128) continue;  // not among Windows' icon sizes
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        icon.save(&buffer, "PNG");
        pngs << png;
        icoSizes << size;
    }
    QFile ico(out + QStringLiteral("/pekuru.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoFile(pngs, icoSizes)) < 0) {
        std::fprintf(stderr, "pekuru-make-icon: cannot write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    return 0;
}
