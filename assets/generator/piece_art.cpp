#include "piece_art.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

QString gMincho;  // family used for the kanji

const QColor kWoodLight(0xE8, 0xC0, 0x74);
const QColor kWoodMid(0xD6, 0xA5, 0x58);
const QColor kWoodDark(0xB8, 0x86, 0x3E);
const QPointF kToLight(-0.55, -0.835);

QPointF intersect(QPointF a1, QPointF a2, QPointF b1, QPointF b2) {
    const QPointF da = a2 - a1, db = b2 - b1;
    const double den = da.x() * db.y() - da.y() * db.x();
    const double t = ((b1.x() - a1.x()) * db.y() - (b1.y() - a1.y()) * db.x()) / den;
    return a1 + da * t;
}

// Outward unit normal of the edge a->b of a polygon wound clockwise on screen.
QPointF outwardNormal(QPointF a, QPointF b) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    return QPointF(d.y() / len, -d.x() / len);
}

// Shrinks a convex polygon wound clockwise on screen by `d` on every side.
QPolygonF inset(const QPolygonF& poly, double d) {
    const int n = int(poly.size());
    std::vector<std::pair<QPointF, QPointF>> lines;
    for (int i = 0; i < n; ++i) {
        QPointF a = poly[i], b = poly[(i + 1) % n];
        QPointF off = outwardNormal(a, b) * -d;
        lines.push_back({a + off, b + off});
    }
    QPolygonF out;
    for (int i = 0; i < n; ++i) {
        const auto& prev = lines[(i + n - 1) % n];
        const auto& cur = lines[i];
        out << intersect(prev.first, prev.second, cur.first, cur.second);
    }
    return out;
}

}  // namespace

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, double a) {
    c.setAlphaF(float(a));
    return c;
}

QPainterPath wavyVertical(double x0, double periodY, double amp1, int k1, double ph1, double amp2, int k2, double ph2,
                          double yFrom, double yTo) {
    QPainterPath path;
    const int steps = 48;
    for (int s = 0; s <= steps; ++s) {
        double y = yFrom + (yTo - yFrom) * s / steps;
        double x =
            x0 + amp1 * std::sin(2 * kPi * k1 * y / periodY + ph1) + amp2 * std::sin(2 * kPi * k2 * y / periodY + ph2);
        if (s == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

bool setUpFonts() {
    const QStringList families = QFontDatabase::families();
    auto has = [&](const QString& f) { return families.contains(f, Qt::CaseInsensitive); };
    if (!has("IPAPMincho") && !has("IPAMincho")) {
        // Without fontconfig (or with a bare offscreen setup) load the files directly.
        for (const char* file : {"/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
                                 "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    }
    const QStringList now = QFontDatabase::families();
    for (const char* f : {"IPAPMincho", "IPAMincho"}) {
        if (now.contains(QString::fromLatin1(f), Qt::CaseInsensitive)) {
            gMincho = QString::fromLatin1(f);
            break;
        }
    }
    if (gMincho.isEmpty()) {
        std::fprintf(stderr, "neither IPAPMincho nor IPAMincho is installed\n");
        return false;
    }
    return true;
}

QString minchoFamily() {
    return gMincho;
}

QPainterPath glyphPath(const QString& family, const QString& text, QPointF centre, double height, double maxWidth,
                       double squeeze) {
    QFont font(family);
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    const QRectF ink = raw.boundingRect();
    double sy = height / ink.height();
    double sx = sy * squeeze;
    if (ink.width() * sx > maxWidth) {
        const double k = maxWidth / (ink.width() * sx);
        sx *= k;
        sy *= k;
    }
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(sx, sy);
    t.translate(-ink.center().x(), -ink.center().y());
    return t.map(raw);
}

PieceShape pieceShape(QPointF centre, double w, double h, const QString& glyph, bool pointsDown) {
    const double top = -h / 2, bottom = h / 2;
    const double shoulderY = top + h * 0.235;
    const double shoulderHalf = w / 2 * 0.855;
    // Clockwise on screen when pointing up; a half turn keeps the winding.
    QPolygonF local;
    local << QPointF(0, top) << QPointF(shoulderHalf, shoulderY) << QPointF(w / 2, bottom) << QPointF(-w / 2, bottom)
          << QPointF(-shoulderHalf, shoulderY);

    PieceShape shape;
    shape.toScreen.translate(centre.x(), centre.y());
    if (pointsDown) shape.toScreen.rotate(180);
    shape.outer = shape.toScreen.map(local);
    const double bevel = std::max(0.9, w * 0.05);
    shape.face = inset(shape.outer, bevel);
    // The character sits in the body, below the point.
    if (!glyph.isEmpty())
        shape.glyph =
            shape.toScreen.map(glyphPath(gMincho, glyph, QPointF(0, top + h * 0.60), h * 0.54, w * 0.72, 0.94));
    return shape;
}

QPolygonF bevelStrip(const PieceShape& shape, int i) {
    const int j = (i + 1) % int(shape.outer.size());
    return QPolygonF() << shape.outer[i] << shape.outer[j] << shape.face[j] << shape.face[i];
}

QColor bevelColor(const PieceShape& shape, int i) {
    const QPolygonF& outer = shape.outer;
    const QPointF n = outwardNormal(outer[i], outer[(i + 1) % int(outer.size())]);
    const double lit = n.x() * kToLight.x() + n.y() * kToLight.y();  // -1 .. 1
    return lit >= 0 ? mix(kWoodMid, QColor(0xF7, 0xDC, 0xA0), lit * 0.9)
                    : mix(kWoodMid, QColor(0x8E, 0x60, 0x28), -lit * 0.85);
}

QLinearGradient faceGradient(const PieceShape& shape) {
    const QRectF b = shape.face.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomRight());
    g.setColorAt(0.0, kWoodLight);
    g.setColorAt(0.55, kWoodMid);
    g.setColorAt(1.0, mix(kWoodMid, kWoodDark, 0.6));
    return g;
}

void paintPiece(QPainter& p, QPointF centre, double w, double h, const QString& glyph, const QColor& ink,
                bool pointsDown, std::uint64_t grainSeed) {
    const PieceShape shape = pieceShape(centre, w, h, glyph, pointsDown);
    const QPolygonF& outer = shape.outer;
    const QPolygonF& inner = shape.face;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);

    // Soft shadow on the board, cast down and to the right.
    {
        QPainterPath shadow;
        shadow.addPolygon(outer.translated(0.55, 0.8));
        shadow.closeSubpath();
        p.setBrush(Qt::NoBrush);
        for (double width : {2.6, 1.8, 1.0}) {
            p.setPen(QPen(QColor(60, 30, 5, 22), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(shadow);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 30, 5, 70));
        p.drawPath(shadow);
    }

    // Bevel: one strip along each edge.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < outer.size(); ++i) {
        const QColor c = bevelColor(shape, i);
        p.setBrush(c);
        // A hair of outline on each strip hides the seams between them.
        p.setPen(QPen(c, 0.08));
        p.drawPolygon(bevelStrip(shape, i));
    }

    // Face.
    QPainterPath face;
    face.addPolygon(inner);
    face.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(faceGradient(shape));
    p.drawPath(face);

    // Grain of the piece, running along its length; it turns with the piece.
    p.save();
    p.setClipPath(face);
    p.setTransform(shape.toScreen, true);
    {
        const double top = -h / 2, bottom = h / 2;
        Rng rng(grainSeed);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 11; ++i) {
            const double x = rng.range(-w / 2, w / 2);
            QPen pen(withAlpha(QColor(0x9A, 0x68, 0x2A), rng.range(0.08, 0.22)), rng.range(0.2, 0.45), Qt::SolidLine,
                     Qt::FlatCap);
            p.setPen(pen);
            p.drawPath(wavyVertical(x, h * 2, rng.range(0.1, 0.5), 1, rng.range(0, 2 * kPi), rng.range(0.05, 0.2), 3,
                                    rng.range(0, 2 * kPi), top - 1, bottom + 1));
        }
    }
    p.restore();

    // Thin dark edge round the whole piece, plus a faint crease where bevel
    // meets face.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(QColor(0x7A, 0x52, 0x22), 0.35), 0.25, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolygon(inner);
    p.setPen(QPen(kPieceEdge, kPieceEdgeWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPolygon(outer);

    if (!shape.glyph.isEmpty()) {
        p.setPen(QPen(ink, kGlyphStrokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(ink);
        p.drawPath(shape.glyph);
    }
    p.restore();
}
