#pragma once
// The menu bar as the game sees it: every item by its control name, its caption,
// the menu it hangs under, and its check mark. The check marks are live game
// state (the options and the level are read from them), so they live here in the
// core and the window only mirrors them.

#include <array>
#include <string_view>

namespace Menu {
enum Item : int {
    TAIKYOKU,
    MATCH_MAN,
    START,
    START2,
    SENTE_ITEM,
    GOTE_ITEM,
    LEVEL,
    LEVEL1,
    LEVEL2,
    LEVEL3,
    LEVEL4,
    LEVEL5,
    OWARI,
    STOP,
    CANCEL,
    REVERSE,
    REPLAY,
    AFTER,
    LBEL_UP,
    LEBEL_DOWN,
    KIFU,
    KIFU_READ,
    KIFU_WRITE,
    OPTION,
    HAIKEI_GA,
    MIDORI,
    TATAMI,
    TAKE,
    UCHU,
    RENGA,
    SIDOU,
    KEIKA,
    BGM,
    HOZON,
    SONOTA,
    VER,
    ASOBIKATA,
    ITEM_COUNT
};
}  // namespace Menu

constexpr int MENU_BAR = -1;  // parent of the items shown on the bar itself

struct MenuItemInfo {
    std::string_view name;     // control name, as the scenario language uses it
    std::string_view caption;  // text shown to the user
    int parent;                // MENU_BAR or the item it drops down from
};

// In menu-bar order: a parent always comes before its children.
inline constexpr std::array<MenuItemInfo, Menu::ITEM_COUNT> MENU_ITEMS{{
    {"TAIKYOKU", "対局", MENU_BAR},
    {"MATCH_MAN", "対局(人間)", Menu::TAIKYOKU},
    {"START", "スタート", Menu::MATCH_MAN},
    {"START2", "対局(COM)", Menu::TAIKYOKU},
    {"SENTE", "先手", Menu::START2},
    {"GOTE", "後手", Menu::START2},
    {"LEVEL", "COM対局ﾚﾍﾞﾙ", Menu::TAIKYOKU},
    {"LEVEL1", "LEVEL1", Menu::LEVEL},
    {"LEVEL2", "LEVEL2", Menu::LEVEL},
    {"LEVEL3", "LEVEL3", Menu::LEVEL},
    {"LEVEL4", "LEVEL4", Menu::LEVEL},
    {"LEVEL5", "LEVEL5", Menu::LEVEL},
    {"OWARI", "終わり", Menu::TAIKYOKU},
    {"STOP", "局面", MENU_BAR},
    {"CANCEL", "最初", Menu::STOP},
    {"REVERSE", "反転", Menu::STOP},
    {"REPLAY", "戻", MENU_BAR},
    {"AFTER", "進", MENU_BAR},
    {"LBEL_UP", "△", MENU_BAR},
    {"LEBEL_DOWN", "▽", MENU_BAR},
    {"KIFU", "棋譜", MENU_BAR},
    {"KIFU_READ", "読込", Menu::KIFU},
    {"KIFU_WRITE", "書込", Menu::KIFU},
    {"OPTION", "ｵﾌﾟｼｮﾝ", MENU_BAR},
    {"HAIKEI_GA", "背景画", Menu::OPTION},
    {"MIDORI", "緑", Menu::HAIKEI_GA},
    {"TATAMI", "畳", Menu::HAIKEI_GA},
    {"TAKE", "竹", Menu::HAIKEI_GA},
    {"UCHU", "宇宙", Menu::HAIKEI_GA},
    {"RENGA", "煉瓦", Menu::HAIKEI_GA},
    {"SIDOU", "移動指導", Menu::OPTION},
    {"KEIKA", "経過時間", Menu::OPTION},
    {"BGM", "BGM", Menu::OPTION},
    {"HOZON", "対局を保存", Menu::OPTION},
    {"SONOTA", "その他", MENU_BAR},
    {"VER", "バージョン情報", Menu::SONOTA},
    {"ASOBIKATA", "遊び方", Menu::SONOTA},
}};

// The items that open a drop-down rather than run a command of their own.
constexpr bool opensSubmenu(int item) {
    for (const auto& info : MENU_ITEMS)
        if (info.parent == item) return true;
    return false;
}

// The control name's item, or -1.
int menuItemByName(std::string_view name);
