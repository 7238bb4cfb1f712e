// The real window on Qt's offscreen platform: what it shows, pixel by pixel.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "files/ShiftJis.h"
#include "game/Form1.h"
#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"
#include "tests/support/TempFolder.h"

namespace {

QImage picture(const char* name, int scale = 1) {
    QImage image(QString(PICTURE_FOLDER) + "/" + name + "@" + QString::number(scale) + "x.png");
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// Top-left pixel of grid cell (x, y) at `scale` times 100 %, from the game's area's corner.
QPoint cellPixel(double x, double y, int scale = 1) {
    return QPoint(
        static_cast<int>(std::lround((Form1::BOARD_LEFT + Form1::SQUARE_WIDTH * x) * scale / Surface::TWIPS_PER_PIXEL)),
        static_cast<int>(
            std::lround((Form1::BOARD_TOP + Form1::SQUARE_HEIGHT * y) * scale / Surface::TWIPS_PER_PIXEL)));
}

const QSize DESIGN_PIXELS(592, 487);

// The window keeps its settings in the user's configuration folder: each test
// gets one of its own inside its working folder.
struct OwnConfigurationFolder {
    explicit OwnConfigurationFolder(const TempFolder& folder) {
        ::setenv("XDG_CONFIG_HOME", (folder.path / "config").c_str(), 1);
    }
};

struct Window : testing::Test {
    TempFolder folder;  // the game starts without a settings file and leaves none behind
    OwnConfigurationFolder configuration{folder};
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
    // Whether the cell at (x, y) shows exactly this picture inside its outline,
    // with the game's area at `origin` drawn at `scale` times 100 %.
    static bool shows(const QImage& shot, int x, int y, const char* name, int scale = 1, QPoint origin = {}) {
        const QRect inner(scale, scale, 31 * scale, 39 * scale);
        return shot.copy(inner.translated(origin + cellPixel(x, y, scale))) == picture(name, scale).copy(inner);
    }
    // Resizes the window so that its painting surface gets this size.
    void resizeSurface(QSize size) {
        window.resize(size + window.size() - window.surface().size());
        QApplication::processEvents();
        ASSERT_EQ(window.surface().size(), size);
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
    const QPointF origin = window.surface().origin();
    const QPoint at(static_cast<int>(std::lround(origin.x() + (Form1::BOARD_LEFT + Form1::SQUARE_WIDTH * 2) * k)),
                    static_cast<int>(std::lround(origin.y() + (Form1::BOARD_TOP + Form1::SQUARE_HEIGHT * 2) * k)));
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

// A record named on the command line (relative to the folder the game was
// started in) opens once the window is up, as if chosen in the read panel:
// the file's start stands on the board, ready to be stepped through.
TEST_F(Window, OpensARecordNamedOnTheCommandLine) {
    std::ofstream(folder.path / "角落ち.kifu") << "手合割：角落ち\n   1 ５二玉(51)\n";
    window.openRecordSoon("角落ち.kifu");
    constexpr int MOST_EVENT_ROUNDS = 1000;
    for (int round = 0; round < MOST_EVENT_ROUNDS && form.turn == Form1::NO_GAME; ++round)
        QApplication::processEvents();
    EXPECT_EQ(form.kifuMode, Form1::ON);
    EXPECT_EQ(form.recordLength, 1);
    EXPECT_EQ(form.filePanel.filePath, std::filesystem::canonical(folder.path).string());
    const QImage shot = surface();
    EXPECT_TRUE(shows(shot, 8, 2, "KARA_MASU"));  // the bishop given
    EXPECT_TRUE(shows(shot, 2, 2, "UE_SYA0"));
}

// The computer's reply follows the player's move after a pause, so that the
// two read as two moves; meanwhile the board takes no clicks.
TEST_F(Window, TheComputerRepliesAfterAPause) {
    window.deliver([&] { form.SENTE_Click(); });
    const auto click = [&](int x, int y) {
        QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, cellPixel(x + 0.5, y + 0.5));
    };
    click(7, 7);
    click(7, 6);
    EXPECT_EQ(form.moveNumber, 1) << "the reply has not come yet";
    click(2, 7);  // refused: no piece is taken up
    EXPECT_EQ(form.clickState, 0);
    QTest::qWait(1000);
    EXPECT_EQ(form.moveNumber, 2);
    EXPECT_EQ(form.turn, form.lowerSide);
}

// A record whose name is Shift_JIS bytes (copied from another system) is
// shown in the file list and opens when clicked, its bytes kept as they are.
TEST_F(Window, OpensARecordWhoseNameIsNoUtf8) {
    window.deliver([&] { form.START_Click(); });
    for (const QPoint cell : {QPoint(7, 7), QPoint(7, 6)})
        QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, cellPixel(cell.x() + 0.5, cell.y() + 0.5));
    window.deliver([&] { form.Dir1_Change(folder.path.string()); });
    window.deliver([&] { form.KIFU_WRITE_Click(); });
    window.deliver([&] { form.setPanelText(FILE_NAME_BOX, "saved"); });
    window.deliver([&] { form.Command1_Click(); });
    const std::string name = "\x91\xCE\x8B\xC7" + std::string(FilePanel::FILE_EXTENSION_SJIS);  // 対局.棋譜
    std::filesystem::rename(folder.path / "saved.棋譜", folder.path / name);
    window.deliver([&] { form.KIFU_READ_Click(); });
    QApplication::processEvents();
    QListWidget* files = nullptr;
    for (QListWidget* list : window.surface().findChildren<QListWidget*>())
        if (list->isVisible() && list->count() == 1) files = list;
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->item(0)->text(), QString("対局.棋譜"));
    emit files->itemClicked(files->item(0));
    EXPECT_EQ(form.kifuMode, Form1::ON);
    EXPECT_EQ(form.recordLength, 1);
}

// While level 5 thinks (three seconds), the search runs away from the
// window's thread: events keep flowing, the board refuses clicks, and ending
// the program stops the search at once.
TEST_F(Window, StaysResponsiveWhileLevelFiveThinks) {
    window.action(Menu::LEVEL5)->trigger();
    window.deliver([&] { form.SENTE_Click(); });
    for (const QPoint cell : {QPoint(7, 7), QPoint(7, 6)})
        QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, cellPixel(cell.x() + 0.5, cell.y() + 0.5));
    QTest::qWait(500);  // the pause, then the search starts
    ASSERT_TRUE(form.comReplyPending) << "still thinking";
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    QTest::qWait(500);
    EXPECT_GT(ticks, 10) << "the window's thread was blocked";
    QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, cellPixel(2.5, 7.5));
    EXPECT_EQ(form.clickState, 0) << "the board refuses clicks while the computer thinks";
    window.action(Menu::OWARI)->trigger();
    EXPECT_TRUE(window.ended());
    EXPECT_EQ(form.engineSearch, nullptr) << "the search was called off";
}

TEST_F(Window, KeepsItsSettingsInTheConfigurationFolder) {
    window.action(Menu::TAKE)->trigger();
    const std::filesystem::path kept = folder.path / "config" / "mirelo" / Form1::SETTINGS_FILE;
    EXPECT_TRUE(std::filesystem::is_regular_file(kept));
    EXPECT_FALSE(std::filesystem::exists(folder.path / Form1::SETTINGS_FILE)) << "none in the working folder";
    // A settings file in the working folder is a portable copy: it is used where it stands.
    std::filesystem::copy_file(kept, folder.path / Form1::SETTINGS_FILE);
    window.action(Menu::UCHU)->trigger();
    std::ifstream portable(folder.path / Form1::SETTINGS_FILE, std::ios::binary);
    std::string firstLine;
    std::getline(portable, firstLine);
    EXPECT_EQ(firstLine, *sjis::fromUtf8("背景画=宇宙") + "\r");
}

// Started from the desktop, the game's working folder is the home folder: the
// file panel then opens in the documents folder instead.
TEST(WindowFolders, TheFilePanelOpensInTheDocumentsFolderWhenStartedFromHome) {
    TempFolder home;
    const std::string previousHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", home.path.c_str(), 1);
    std::filesystem::create_directory(home.path / "Documents");
    {
        MainWindow window{PICTURE_FOLDER};
        QtPlatform platform{window};
        EXPECT_EQ(platform.recordsFolder(), (home.path / "Documents").string());
        const std::filesystem::path elsewhere = home.path / "games";
        std::filesystem::create_directory(elsewhere);
        std::filesystem::current_path(elsewhere);
        EXPECT_EQ(platform.recordsFolder(), elsewhere.string()) << "started elsewhere, it opens where it started";
    }
    ::setenv("HOME", previousHome.c_str(), 1);
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

// Whether every pixel of `region` shows the background tile laid on the
// game's grid from the game's area at `origin`, as the game lays it.
bool tiledWith(const QImage& shot, QRect region, const QImage& tile, int scale, QPoint origin) {
    const QPoint grid = origin + cellPixel(0, 0, scale);
    const QSize step(33 * scale, 41 * scale);
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const int tileX = ((x - grid.x()) % step.width() + step.width()) % step.width();
            const int tileY = ((y - grid.y()) % step.height() + step.height()) % step.height();
            if (shot.pixel(x, y) != tile.pixel(tileX, tileY)) return false;
        }
    return true;
}

struct OddShape {
    const char* name;
    QSize surface;
    int scale;     // the game's area is drawn at this many times 100 %
    QRect margin;  // a strip outside the game's area, in surface pixels
};

class WindowOfAnotherShape : public Window, public testing::WithParamInterface<OddShape> {};

TEST_P(WindowOfAnotherShape, CentresTheGameAndFillsTheRestWithTheBackground) {
    const OddShape shape = GetParam();
    resizeSurface(shape.surface);
    const QPoint origin((shape.surface.width() - DESIGN_PIXELS.width() * shape.scale) / 2,
                        (shape.surface.height() - DESIGN_PIXELS.height() * shape.scale) / 2);
    const QImage shot = surface();
    EXPECT_TRUE(shows(shot, 2, 2, "UE_SYA0", shape.scale, origin));
    EXPECT_TRUE(shows(shot, 5, 5, "KARA_MASU", shape.scale, origin));
    EXPECT_TRUE(tiledWith(shot, shape.margin, picture("HAIKEI_MIDORI", shape.scale), shape.scale, origin));

    // Another background kind reaches the margins too.
    window.action(Menu::UCHU)->trigger();
    EXPECT_TRUE(tiledWith(surface(), shape.margin, picture("HAIKEI_UCHU", shape.scale), shape.scale, origin));
}

TEST_P(WindowOfAnotherShape, MapsClicksAndPlacesTheFilePanelInTheCentredArea) {
    const OddShape shape = GetParam();
    resizeSurface(shape.surface);
    const QPoint origin((shape.surface.width() - DESIGN_PIXELS.width() * shape.scale) / 2,
                        (shape.surface.height() - DESIGN_PIXELS.height() * shape.scale) / 2);
    window.deliver([&] { form.START_Click(); });
    const auto click = [&](int x, int y) {
        QTest::mouseClick(&window.surface(), Qt::LeftButton, {}, origin + cellPixel(x + 0.5, y + 0.5, shape.scale));
    };
    click(7, 7);
    click(7, 6);
    EXPECT_EQ(form.board[7][6], Form1::LOWER_PAWN);
    EXPECT_EQ(form.board[7][7], Form1::EMPTY);

    window.action(Menu::KIFU_READ)->trigger();
    QApplication::processEvents();
    const auto drives = window.surface().findChildren<QComboBox*>();
    ASSERT_EQ(drives.size(), 1);
    ASSERT_TRUE(drives[0]->isVisible());
    const QPoint driveTwips(240, 360);  // where the game puts its drive list
    EXPECT_EQ(drives[0]->geometry().topLeft(), origin + driveTwips * shape.scale / 15);
}

INSTANTIATE_TEST_SUITE_P(Shapes, WindowOfAnotherShape,
                         testing::Values(
                             // Wider than the game at 100 %: margins left and right.
                             OddShape{"Wide", QSize(1000, 487), 1, QRect(0, 0, 200, 487)},
                             // Taller than the game at 200 %: margins above and below.
                             OddShape{"Tall", QSize(1184, 1400), 2, QRect(0, 1200, 1184, 200)}),
                         [](const testing::TestParamInfo<OddShape>& shape) { return std::string(shape.param.name); });

// The share of a label's box its ink covers: yellow, or yellow blended into
// the black shadow or the green background at the glyphs' edges.
double yellowShare(const QImage& shot, QRect box) {
    int yellow = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = shot.pixel(x, y);
            if (qRed(p) > 128 && qGreen(p) > 128 && qBlue(p) < 96) ++yellow;
        }
    return static_cast<double>(yellow) / (box.width() * box.height());
}

TEST_F(Window, LabelsKeepTheirWeightAtEverySize) {
    // The file label over column 5 (16 pt) and the rank label of row 5 (12 pt).
    const QPoint labels[] = {QPoint(5, 0), QPoint(10, 5)};
    constexpr int LARGE = 4;  // its glyphs are over 64 pixels tall
    const QImage small = surface();
    resizeSurface(DESIGN_PIXELS * LARGE);
    const QImage large = surface();
    for (const QPoint& cell : labels) {
        const QRect box1(cellPixel(cell.x(), cell.y()), QSize(33, 41));
        const QRect box4(cellPixel(cell.x(), cell.y(), LARGE), QSize(33, 41) * LARGE);
        const double ratio = yellowShare(large, box4) / yellowShare(small, box1);
        EXPECT_NEAR(ratio, 1.0, 0.2) << "label in cell " << cell.x() << "," << cell.y();
    }
}

TEST_F(Window, ShowsTheApplicationIconInEverySize) {
    const QIcon icon = window.windowIcon();
    const QFileInfoList files = QDir(ICON_FOLDER).entryInfoList({"*.png"});
    ASSERT_FALSE(files.isEmpty());
    for (const QFileInfo& file : files) {
        const QImage drawn(file.filePath());
        const QImage shown = icon.pixmap(drawn.size()).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32))
            << file.fileName().toStdString();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont::insertSubstitutions("ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho"});
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
