#pragma once
// The game's pictures by picture code, each drawn at four resolutions so the
// board stays crisp however large the window or dense the screen. A
// resolution is read from its file the first time it is drawn.

#include <QImage>
#include <QSize>
#include <map>
#include <string>

class PictureBook {
public:
    // Finds every picture in the folder (NAME@1x.png .. NAME@4x.png).
    explicit PictureBook(const QString& folder);

    // The size of a picture at 100 %, in pixels; empty when the code has none.
    QSize baseSize(int code) const;
    // The picture for drawing at `pixelsPerBasePixel` device pixels per base
    // pixel: the smallest resolution that is not smaller than needed.
    const QImage* image(int code, double pixelsPerBasePixel) const;

    static constexpr int SCALES = 4;

private:
    struct Picture {
        QString files[SCALES];
        QSize baseSize;
        QImage scales[SCALES];
        bool loaded[SCALES] = {};
    };
    // Resolutions are loaded while drawing, which does not change the book.
    mutable std::map<int, Picture> pictures;
};
