#include "qt/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>

#include "game/Form1.h"
#include "platform/Platform.h"
#include "qt/ApplicationIcon.h"
#include "record/FilePanel.h"

namespace {

bool isOption(int item) {
    switch (item) {
    case Menu::LEVEL1:
    case Menu::LEVEL2:
    case Menu::LEVEL3:
    case Menu::LEVEL4:
    case Menu::LEVEL5:
    case Menu::MIDORI:
    case Menu::TATAMI:
    case Menu::TAKE:
    case Menu::UCHU:
    case Menu::RENGA:
    case Menu::SIDOU:
    case Menu::KEIKA:
    case Menu::BGM:
    case Menu::HOZON: return true;
    default: return false;
    }
}

}  // namespace

MainWindow::MainWindow(const QString& pictureFolder) : pictures(pictureFolder) {
    setWindowTitle("Mirelo");
    setWindowIcon(applicationIcon());
    paintSurface = new Surface(pictures, this);
    setCentralWidget(paintSurface);
    clockTimer.setInterval(Form1::TIMER_INTERVAL_MS);
    panel = new FilePanelWidgets(
        paintSurface,
        {
            [this](const QString& drive) { deliver([&] { form->Drive1_Change(drive.toStdString()); }); },
            [this](const QString& folder) { deliver([&] { form->Dir1_Change(folder.toStdString()); }); },
            [this](const std::string& file) { deliver([&] { form->File1_Click(file); }); },
            [this](int box, const QString& text) { deliver([&] { form->setPanelText(box, text.toStdString()); }); },
            [this] { deliver([&] { form->Command1_Click(); }); },
        });
    buildMenus();
    connect(paintSurface, &Surface::mouseDown, this,
            [this](int button, double x, double y) { deliver([&] { form->Form_MouseDown(button, 0, x, y); }); });
    connect(paintSurface, &Surface::rescaled, this, [this](double k, QPointF origin) { panel->place(k, origin); });
    connect(&clockTimer, &QTimer::timeout, this, [this] {
        if (depth == 0) deliver([&] { form->Timer1_Timer(); });
    });
}

void MainWindow::attach(Form1& gameForm) { form = &gameForm; }

void MainWindow::openRecordSoon(const std::string& path) {
    QTimer::singleShot(0, this, [this, path] { deliver([&] { form->openRecordFile(path); }); });
}

void MainWindow::showMenuItem(int item, bool checked, bool enabled) {
    checkedInGame[item] = checked;
    actions[item]->setChecked(checked);
    actions[item]->setEnabled(enabled);
}

void MainWindow::buildMenus() {
    for (int item = 0; item < Menu::ITEM_COUNT; ++item) {
        const MenuItemInfo& info = MENU_ITEMS[item];
        const QString caption = QString::fromUtf8(info.caption.data(), static_cast<int>(info.caption.size()));
        QAction* action;
        if (opensSubmenu(item)) {
            QMenu* menu =
                info.parent == MENU_BAR ? menuBar()->addMenu(caption) : actions[info.parent]->menu()->addMenu(caption);
            action = menu->menuAction();
            // Opening a top-level menu is an event of its own (it hides the file panel).
            if (item == Menu::TAIKYOKU || item == Menu::STOP || item == Menu::OPTION)
                connect(menu, &QMenu::aboutToShow, this, [this, item] { deliver([&] { form->menuClick(item); }); });
        } else {
            action = info.parent == MENU_BAR ? menuBar()->addAction(caption)
                                             : actions[info.parent]->menu()->addAction(caption);
            // Options and levels carry a check mark; the game decides it, not the click.
            action->setCheckable(isOption(item));
            connect(action, &QAction::triggered, this, [this, item] {
                deliver([&] { form->menuClick(item); });
                actions[item]->setChecked(checkedInGame[item]);  // undo the toggle of the click itself
            });
        }
        action->setObjectName(QString::fromUtf8(info.name.data(), static_cast<int>(info.name.size())));
        actions[item] = action;
    }
}

void MainWindow::deliver(const std::function<void()>& event) {
    if (!form || programEnded) return;
    ++depth;
    try {
        event();
    } catch (const ProgramEnd&) {
        programEnded = true;
        clockTimer.stop();
        QApplication::exit(0);
    }
    --depth;
}

void MainWindow::showAtDesignSize() {
    const QSize design = paintSurface->sizeHint();
    resize(design.width(), design.height() + menuBar()->sizeHint().height());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!programEnded) deliver([&] { form->Form_Unload(); });
    event->accept();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const int code = event->key() == Qt::Key_Escape ? Form1::ESC_KEY
                     : event->text().isEmpty()      ? 0
                                                    : event->text()[0].unicode();
    if (code != 0) deliver([&] { form->Form_KeyPress(code); });
}
