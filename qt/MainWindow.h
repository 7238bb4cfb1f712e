#pragma once
// The game's window: the menu bar built from the game's menu model, the
// painting surface, the file panel widgets and the 50 ms clock timer. Every
// user event is handed to the game object; a handler runs to completion
// before the next event (a clock tick arriving meanwhile is dropped).

#include <QAction>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <string>

#include "game/MenuBar.h"
#include "qt/FilePanelWidgets.h"
#include "qt/PictureBook.h"
#include "qt/Surface.h"

class Form1;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const QString& pictureFolder);

    // The game that receives the window's events.
    void attach(Form1& form);
    // Shows a menu item's check mark and enabled state as the game holds them.
    void showMenuItem(int item, bool checked, bool enabled);
    // Runs one event of the game; a program end closes the window.
    void deliver(const std::function<void()>& event);
    // Opens a record file once the event loop runs (the window is up by
    // then), as if it had been chosen in the read panel.
    void openRecordSoon(const std::string& path);

    Surface& surface() { return *paintSurface; }
    QTimer& timer() { return clockTimer; }
    QAction* action(int item) { return actions[item]; }
    FilePanelWidgets& panelWidgets() { return *panel; }
    bool ended() const { return programEnded; }
    // Lays the window out for a surface of the design size at 100 %.
    void showAtDesignSize();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();

    PictureBook pictures;
    Surface* paintSurface;
    FilePanelWidgets* panel;
    QTimer clockTimer;
    QAction* actions[Menu::ITEM_COUNT] = {};
    bool checkedInGame[Menu::ITEM_COUNT] = {};  // the marks as the game last set them
    Form1* form = nullptr;
    int depth = 0;  // handlers under way (message boxes run nested event loops)
    bool programEnded = false;
};
