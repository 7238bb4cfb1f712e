// The yardstick for the game's start-up: the least a Qt 6 program with a
// window and a menu bar does before its first frame is on the screen.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("対局")->addAction("スタート");
    window.menuBar()->addMenu("ｵﾌﾟｼｮﾝ")->addAction("BGM");
    window.resize(592, 510);
    window.show();
    QApplication::processEvents();  // the first frame
    return 0;
}
