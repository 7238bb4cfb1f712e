#include "game/MenuBar.h"

int menuItemByName(std::string_view name) {
    for (int i = 0; i < Menu::ITEM_COUNT; ++i)
        if (MENU_ITEMS[i].name == name) return i;
    return -1;
}
