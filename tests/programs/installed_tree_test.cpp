// The installed game as a user gets it from `cmake --install` or the Debian
// package (MIRELO_INSTALLED_PREFIX names the tree): run from a folder of its
// own, it finds its sound library, pictures and sounds, and a desktop finds
// its menu entry, icon and the record types it opens.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTextStream>

#include "game/Vocabulary.h"
#include "tests/support/RunProgram.h"

namespace {

const QString APP_ID = MIRELO_APP_ID;
const char* const START_BOARD = "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL ";
constexpr int DESIGN_HEIGHT = 487;  // pixels of the game's area at 100 %, below the menu bar

QString prefix() { return qEnvironmentVariable("MIRELO_INSTALLED_PREFIX"); }
QString installed(const QString& path) { return prefix() + "/" + path; }

struct InstalledTree : testing::Test {
    QTemporaryDir folder;  // the user's working folder, far from the source tree

    void SetUp() override {
        ASSERT_FALSE(prefix().isEmpty()) << "MIRELO_INSTALLED_PREFIX must name the installed tree";
        ASSERT_TRUE(folder.isValid());
    }
    // Runs an installed program on a scenario in the working folder.
    ProgramRun play(const QString& program, const QStringList& options, const char* scenario) {
        QFile file(folder.filePath("play.scn"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(scenario);
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("SDL_AUDIODRIVER", "dummy");
        return runProgram(installed("bin/" + program), options + QStringList{"play.scn"}, environment, folder.path());
    }
};

TEST_F(InstalledTree, HoldsTheLibraryAndTheSoundsWhereTheProgramsLook) {
    const QString files[] = {
        MIRELO_INSTALL_PRIVATE_LIBDIR "/libmirelo-sound.so",
        "share/mirelo/sounds/その他.wav",
        "share/mirelo/sounds/禁止.wav",
        "share/mirelo/sounds/駒打音.wav",
        "share/mirelo/sounds/BGM.wav",
    };
    for (const QString& file : files) EXPECT_TRUE(QFileInfo(installed(file)).isFile()) << file.toStdString();
}

TEST_F(InstalledTree, PlaysAScenarioFromAnotherFolder) {
    const ProgramRun run = play("mirelo-cli", {}, "print sfen\nmenu SENTE\ncell L 7 7\ncell L 7 6\nprint state\n");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind(START_BOARD, 0), 0u) << run.out;
    EXPECT_NE(run.out.find("sound play 駒打音.wav"), std::string::npos);
    EXPECT_NE(run.out.find("\nmoveNumber 2\n"), std::string::npos) << "the player's move and the computer's reply";
    // The sound library reports trouble in a message box of its own.
    EXPECT_EQ(run.out.find("Mirelo.dll"), std::string::npos) << run.out;
}

TEST_F(InstalledTree, ShowsTheBoardInItsWindowFromAnotherFolder) {
    const ProgramRun run = play("mirelo", {"--scenario"}, "screenshot shot.png\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage shot = QImage(folder.filePath("shot.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shot.isNull());
    const int top = shot.height() - DESIGN_HEIGHT;  // the menu bar is above the game's area
    const auto shows = [&](int x, int y, const char* name) {
        QImage picture(installed(QString("share/mirelo/pictures/%1@1x.png").arg(name)));
        picture.setDevicePixelRatio(1);
        const QRect inner(1, 1, 31, 39);  // inside the square's outline
        constexpr double TWIPS_PER_PIXEL = 15;
        const QPoint cell(
            static_cast<int>(std::lround((Vocabulary::BOARD_LEFT + Vocabulary::SQUARE_WIDTH * x) / TWIPS_PER_PIXEL)),
            top + static_cast<int>(
                      std::lround((Vocabulary::BOARD_TOP + Vocabulary::SQUARE_HEIGHT * y) / TWIPS_PER_PIXEL)));
        return shot.copy(inner.translated(cell)) == picture.convertToFormat(QImage::Format_RGB32).copy(inner);
    };
    EXPECT_TRUE(shows(2, 2, "UE_SYA0"));
    EXPECT_TRUE(shows(8, 8, "SITA_SYA0"));
    EXPECT_TRUE(shows(5, 5, "KARA_MASU"));
}

// The value of `key` in the desktop entry's main group.
QString desktopEntry(const QString& key) {
    QFile file(installed("share/applications/" + APP_ID + ".desktop"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextStream lines(&file);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
    }
    return {};
}

TEST_F(InstalledTree, MenuEntryStartsTheInstalledGameWithItsIcon) {
    EXPECT_TRUE(QFileInfo(installed("bin/" + desktopEntry("Exec").section(' ', 0, 0))).isExecutable());
    EXPECT_EQ(desktopEntry("Icon"), APP_ID);
    for (const char* size : {"16x16", "24x24", "32x32", "48x48", "64x64", "128x128", "256x256", "512x512"})
        EXPECT_TRUE(QFileInfo(installed(QString("share/icons/hicolor/%1/apps/%2.png").arg(size, APP_ID))).isFile())
            << size;
    EXPECT_TRUE(QFileInfo(installed("share/icons/hicolor/scalable/apps/" + APP_ID + ".svg")).isFile());
    EXPECT_TRUE(QFileInfo(installed("share/metainfo/" + APP_ID + ".metainfo.xml")).isFile());
}

TEST_F(InstalledTree, RecordFilesOpenInTheGame) {
    // A file manager finds the record types in the installed MIME definitions.
    qputenv("XDG_DATA_DIRS", (installed("share") + ":/usr/share").toLocal8Bit());
    const QMimeDatabase types;
    const QStringList opened = desktopEntry("MimeType").split(';', Qt::SkipEmptyParts);
    const struct {
        const char* file;
        const char* type;
    } cases[] = {
        {"対局.棋譜", "application/x-mirelo-record"},
        {"game.kif", "application/x-kif"},
        {"GAME.KIF", "application/x-kif"},
        {"game.kifu", "application/x-mirelo-kifu"},
        {"GAME.KIFU", "application/x-mirelo-kifu"},
    };
    for (const auto& c : cases) {
        const QString type = types.mimeTypeForFile(c.file, QMimeDatabase::MatchExtension).name();
        EXPECT_EQ(type, c.type) << c.file;
        EXPECT_TRUE(opened.contains(type)) << c.file;
    }
}

}  // namespace
