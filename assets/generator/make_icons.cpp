// Draws Mirelo's application icon, a king's piece, as PNG files in the sizes
// desktops look for and as a scalable SVG.
//
//   QT_QPA_PLATFORM=offscreen make_icons OUTDIR
//
// writes OUTDIR/NxN.png for every size below and OUTDIR/scalable.svg. The
// PNGs are painted anew at each size like the game's pictures; the SVG draws
// the same piece without the grain and shadow that only pixels can carry.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "piece_art.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};
constexpr double kCanvas = 64;  // the icon is drawn on a square this many units wide
const QPointF kCentre(32, 31.5);
constexpr double kPieceH = 58;
constexpr double kPieceW = kPieceH * 27.6 / 36.0;  // the proportions of the game's king
const char* const kGlyph = "王";
constexpr std::uint64_t kGrainSeed = 0x1C0;
// The character's thin strokes would fade out in the small sizes: its ink is
// widened to at least this many pixels there.
constexpr double kLeastInkPixels = 1.0;

void paintIcon(QPainter& p, int size) {
    paintPiece(p, kCentre, kPieceW, kPieceH, QString::fromUtf8(kGlyph), kBlackInk, false, kGrainSeed);
    const double inkWidth = kLeastInkPixels * kCanvas / size;
    if (inkWidth <= kGlyphStrokeWidth) return;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kBlackInk, inkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kBlackInk);
    p.drawPath(pieceShape(kCentre, kPieceW, kPieceH, QString::fromUtf8(kGlyph), false).glyph);
}

bool writePng(const QDir& dir, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.scale(size / kCanvas, size / kCanvas);
        paintIcon(p, size);
    }
    const QString file = dir.filePath(QStringLiteral("%1x%1.png").arg(size));
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

QString number(double value) {
    return QString::number(value, 'g', 6);
}

QString color(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString pathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                if (i > 0) d += "Z";
                d += "M" + number(e.x) + " " + number(e.y);
                break;
            case QPainterPath::LineToElement: d += "L" + number(e.x) + " " + number(e.y); break;
            case QPainterPath::CurveToElement: d += "C" + number(e.x) + " " + number(e.y); break;
            case QPainterPath::CurveToDataElement: d += " " + number(e.x) + " " + number(e.y); break;
        }
    }
    return d + "Z";
}

QString pathData(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    return pathData(path);
}

bool writeSvg(const QDir& dir) {
    const PieceShape shape = pieceShape(kCentre, kPieceW, kPieceH, QString::fromUtf8(kGlyph), false);
    const QLinearGradient face = faceGradient(shape);
    const QString file = dir.filePath(QStringLiteral("scalable.svg"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    QTextStream svg(&out);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kCanvas << "\" height=\"" << kCanvas
        << "\" viewBox=\"0 0 " << kCanvas << " " << kCanvas << "\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"face\" gradientUnits=\"userSpaceOnUse\" x1=\"" << number(face.start().x())
        << "\" y1=\"" << number(face.start().y()) << "\" x2=\"" << number(face.finalStop().x()) << "\" y2=\""
        << number(face.finalStop().y()) << "\">\n";
    for (const QGradientStop& stop : face.stops())
        svg << "      <stop offset=\"" << number(stop.first) << "\" stop-color=\"" << color(stop.second) << "\"/>\n";
    svg << "    </linearGradient>\n"
        << "  </defs>\n";
    for (int i = 0; i < shape.outer.size(); ++i)
        svg << "  <path d=\"" << pathData(bevelStrip(shape, i)) << "\" fill=\"" << color(bevelColor(shape, i))
            << "\"/>\n";
    svg << "  <path d=\"" << pathData(shape.face) << "\" fill=\"url(#face)\"/>\n"
        << "  <path d=\"" << pathData(shape.outer) << "\" fill=\"none\" stroke=\"" << color(kPieceEdge)
        << "\" stroke-width=\"" << kPieceEdgeWidth << "\"/>\n"
        << "  <path d=\"" << pathData(shape.glyph) << "\" fill=\"" << color(kBlackInk) << "\" stroke=\""
        << color(kBlackInk) << "\" stroke-width=\"" << kGlyphStrokeWidth << "\" stroke-linejoin=\"round\"/>\n"
        << "</svg>\n";
    return svg.status() == QTextStream::Ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTDIR\n");
        return 2;
    }
    if (!setUpFonts()) return 1;
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_icons: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int size : kSizes) ok = ok && writePng(dir, size);
    ok = ok && writeSvg(dir);
    return ok ? 0 : 1;
}
