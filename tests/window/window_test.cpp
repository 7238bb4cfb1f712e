// The real window on Qt's offscreen platform: what it shows, pixel by pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "game/Form1.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"

namespace {

QImage picture(const char* name) {
    QImage image(QString(PICTURE_FOLDER) + "/" + name + "@1x.png");
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Top-left pixel of grid cell (x, y) at 100 %.
QPoint cellPixel(double x, double y) {
    return QPoint(static_cast<int>(std::lround((1050 + 495 * x) / 15.0)),
                  static_cast<int>(std::lround((100 + 615 * y) / 15.0)));
}

struct Window : testing::Test {
    MainWindow window{PICTURE_FOLDER};
    QtPlatform platform{window};
    Form1 form{platform};

    QTimer boxAnswerer;

    void SetUp() override {
        // Message boxes are modal: answer each one (OK, or Yes) as soon as it shows.
        QObject::connect(&boxAnswerer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(box->standardButtons() & QMessageBox::Yes ? QMessageBox::Yes : QMessageBox::Ok)->click();
        });
        boxAnswerer.start(10);
        window.attach(form);
        window.deliver([&] { form.Form_Load(); });
        window.show();
        QApplication::processEvents();
    }
    QImage surface() {
        QApplication::processEvents();
        return window.surface().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // Whether the cell at (x, y) shows exactly this picture inside its outline.
    static bool shows(const QImage& shot, int x, int y, const char* name) {
        const QRect inner(1, 1, 31, 39);
        return shot.copy(inner.translated(cellPixel(x, y))) == picture(name).copy(inner);
    }
};

TEST_F(Window, StartsWithTheInitialPositionAtDesignSize) {
    const QImage shot = surface();
    ASSERT_EQ(shot.size(), QSize(592, 487));
    EXPECT_TRUE(shows(shot, 2, 2, "UE_SYA0"));
    EXPECT_TRUE(shows(shot, 8, 8, "SITA_SYA0"));
    EXPECT_TRUE(shows(shot, 5, 5, "KARA_MASU"));
}

TEST_F(Window, BoardIsNotBackgroundAndLabelsAreYellow) {
    const QImage shot = surface();
    // Not one board cell looks like the background tile.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) EXPECT_FALSE(shows(shot, x, y, "HAIKEI_MIDORI"));
    // The file label over column 5 has yellow pixels (palette colour 14).
    int yellow = 0;
    const QPoint label = cellPixel(5, 0);
    for (int px = label.x(); px < label.x() + 33; ++px)
        for (int py = label.y(); py < label.y() + 41; ++py)
            if (shot.pixel(px, py) == qRgb(255, 255, 0)) ++yellow;
    EXPECT_GT(yellow, 10);
}

TEST_F(Window, KeepsItsPictureWhenRepaintedAndScalesWithTheWindow) {
    const QImage before = surface();
    window.surface().update();
    EXPECT_EQ(surface(), before);
    window.resize(window.width() * 2, window.height() * 2);
    const QImage large = surface();
    EXPECT_GE(large.width(), 2 * 592 - 4);
    // At twice the size the upper rook is drawn from the 2x picture, not enlarged.
    const QImage rook2x = [] {
        QImage image(QString(PICTURE_FOLDER) + "/UE_SYA0@2x.png");
        image.setDevicePixelRatio(1);
        return image.convertToFormat(QImage::Format_RGB32);
    }();
    const double k = window.surface().scale();
    const QPoint at(static_cast<int>(std::lround((1050 + 495 * 2) * k)), static_cast<int>(std::lround((100 + 615 * 2) * k)));
    EXPECT_EQ(large.copy(QRect(at + QPoint(2, 2), QSize(60, 76))), rook2x.copy(2, 2, 60, 76));
}

TEST_F(Window, AGameIsPlayedWithTheMouse) {
    window.deliver([&] { form.START_Click(); });
    QApplication::processEvents();
    const auto click = [&](Qt::MouseButton button, int x, int y) {
        QTest::mouseClick(&window.surface(), button, {}, cellPixel(x + 0.5, y + 0.5));
    };
    click(Qt::LeftButton, 3, 7);  // the lower pawn opens the bishop's diagonal
    click(Qt::LeftButton, 3, 6);
    click(Qt::LeftButton, 7, 3);  // and so does the upper pawn
    click(Qt::LeftButton, 7, 4);
    click(Qt::LeftButton, 2, 8);  // bishop takes bishop, promoting with the right button
    click(Qt::RightButton, 8, 2);
    EXPECT_EQ(form.moveNumber, 3);
    EXPECT_EQ(form.board[8][2], Form1::LOWER_HORSE);
    EXPECT_EQ(form.lowerHand[6], 1);
    const QImage shot = surface();
    EXPECT_TRUE(shows(shot, 3, 6, "SITA_HU0"));
    EXPECT_TRUE(shows(shot, 7, 4, "UE_HU0"));
    EXPECT_TRUE(shows(shot, 8, 2, "SITA_KAKU1"));
    EXPECT_TRUE(shows(shot, 2, 8, "KARA_MASU"));
    EXPECT_TRUE(shows(shot, 11, 8, "SITA_KAKU0"));  // the captured bishop on the lower stand
}

TEST_F(Window, MenusCarryTheGamesCheckMarks) {
    EXPECT_TRUE(window.action(Menu::LEVEL3)->isChecked());
    window.action(Menu::LEVEL1)->trigger();
    EXPECT_TRUE(window.action(Menu::LEVEL1)->isChecked());
    EXPECT_FALSE(window.action(Menu::LEVEL3)->isChecked());
    EXPECT_EQ(form.comLevel, 1);
    // Choosing the background that is already ticked keeps its tick.
    const bool midori = form.isChecked(Menu::MIDORI);
    window.action(Menu::MIDORI)->trigger();
    EXPECT_EQ(window.action(Menu::MIDORI)->isChecked(), midori);
    EXPECT_EQ(window.action(Menu::MIDORI)->isChecked(), form.isChecked(Menu::MIDORI));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitutions("ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho"});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
