#pragma once
// The window's painting surface. The game paints in twips at fixed places and
// expects what it painted to stay; the surface keeps every painting call in a
// list (dropping calls that later ones cover completely) and replays it at
// whatever scale the widget has, so the picture survives being covered and
// stays crisp when the window is resized or shown on a dense screen. A window
// of another shape than the game's shows the game's area in its middle, with
// the game's background tiling carried on to the window's edges.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <vector>

#include "qt/PictureBook.h"

class Surface : public QWidget {
    Q_OBJECT
public:
    // The part of the window the game's layout fills at 100 %, in twips.
    static constexpr double DESIGN_WIDTH = 8880;
    static constexpr double DESIGN_HEIGHT = 7305;
    static constexpr double TWIPS_PER_PIXEL = 15;

    Surface(const PictureBook& pictures, QWidget* parent = nullptr);

    void drawPicture(int code, double x, double y);
    void drawRect(int color, double x1, double y1, double x2, double y2);
    void drawText(const QString& text, double x, double y, int size, bool bold, int color);
    void setBackgroundColor(int color);

    // Logical pixels per twip at the present widget size.
    double scale() const;
    // The top-left corner of the game's area in the widget, in logical pixels.
    QPointF origin() const;
    QSize sizeHint() const override;
    // How many painting calls are kept (for tests of the compaction).
    size_t keptCalls() const { return calls.size(); }

signals:
    void mouseDown(int button, double x, double y);
    void rescaled(double pixelsPerTwip, QPointF origin);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    enum class Kind { Picture, Rect, Text };
    struct Call {
        Kind kind = Kind::Picture;
        QRectF bounds;  // twips covered
        int code = 0;   // picture code, or colour of a rect or text
        int size = 0;
        bool bold = false;
        QString text;
        quint64 sequence = 0;
    };

    Call pictureCall(int code, double x, double y) const;
    void keep(Call call, bool opaque);
    void paintCall(QPainter& painter, const Call& call, double devicePixelsPerTwip) const;
    void renderAll();
    void paintMargins(QPainter& painter, double devicePixelsPerTwip) const;
    QSize deviceSize() const;
    // The game's area on the backing, in device pixels.
    QRect deviceArea() const;

    const PictureBook& pictures;
    std::vector<Call> calls;
    quint64 nextSequence = 1;
    int background = 2;
    int marginTile = 0;  // the background tile the game laid last; 0 before the first
    QPixmap backing;
    quint64 paintedUpTo = 0;  // calls with a higher sequence are not on `backing` yet
};
