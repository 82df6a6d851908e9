#include "tatami2d/app/Core.h"

#include <cstdio>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

// Core greys the Close command of its console window's system menu while it lives and enables
// it again at clean-up. The test gives itself a console window of its own, then watches the
// framework's calls where they leave the program: in its import table, whose entries for
// GetSystemMenu and EnableMenuItem it points at recorders that call on to Windows. Where the
// system hands out the console's menu (Windows does; Wine, whose console window belongs to
// another process, gives none), the menu itself must show the state too.

extern "C" {
extern decltype(&::GetSystemMenu) __imp_GetSystemMenu;
extern decltype(&::EnableMenuItem) __imp_EnableMenuItem;
}

namespace {

struct MenuCall {
    HMENU menu;
    UINT item;
    UINT flags;
    UINT stateSeen; // the item's state just after the call
};

std::vector<HWND> menusAsked;
std::vector<MenuCall> menuCalls;
decltype(&::GetSystemMenu) realGetSystemMenu = nullptr;
decltype(&::EnableMenuItem) realEnableMenuItem = nullptr;

HMENU WINAPI RecordGetSystemMenu(HWND window, BOOL revert) {
    menusAsked.push_back(window);
    return realGetSystemMenu(window, revert);
}

BOOL WINAPI RecordEnableMenuItem(HMENU menu, UINT item, UINT flags) {
    const BOOL result = realEnableMenuItem(menu, item, flags);
    menuCalls.push_back({menu, item, flags, GetMenuState(menu, item, MF_BYCOMMAND)});
    return result;
}

template <class Function>
void Redirect(Function& entry, Function replacement, Function& original) {
    DWORD protection = 0;
    ASSERT_TRUE(VirtualProtect(&entry, sizeof entry, PAGE_READWRITE, &protection));
    original = entry;
    entry = replacement;
    VirtualProtect(&entry, sizeof entry, protection, &protection);
}

} // namespace

TEST(ConsoleClose, GreyedWhileCoreLivesAndEnabledAfter) {
    // A console window of the test's own, whatever it was started from.
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    const HWND console = GetConsoleWindow();
    ASSERT_NE(console, nullptr);
    Redirect(__imp_GetSystemMenu, &RecordGetSystemMenu, realGetSystemMenu);
    Redirect(__imp_EnableMenuItem, &RecordEnableMenuItem, realEnableMenuItem);

    {
        tatami2d::Core core{tatami2d::WindowSpec{"Console test", 320.0f, 200.0f, true}};
        ASSERT_EQ(menuCalls.size(), 1u);
        EXPECT_EQ(menuCalls[0].item, UINT{SC_CLOSE});
        EXPECT_EQ(menuCalls[0].flags, UINT{MF_GRAYED});
    }
    ASSERT_EQ(menuCalls.size(), 2u);
    EXPECT_EQ(menuCalls[1].item, UINT{SC_CLOSE});
    EXPECT_EQ(menuCalls[1].flags, UINT{MF_ENABLED});
    EXPECT_EQ(menusAsked, (std::vector<HWND>{console, console}));

    const HMENU menu = menuCalls[0].menu;
    EXPECT_EQ(menuCalls[1].menu, menu);
    if (menu != nullptr) {
        EXPECT_TRUE(menuCalls[0].stateSeen & MF_GRAYED);
        EXPECT_FALSE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
    } else {
        std::printf("No system menu for the console window here: the calls are checked.\n");
    }
    Redirect(__imp_GetSystemMenu, realGetSystemMenu, realGetSystemMenu);
    Redirect(__imp_EnableMenuItem, realEnableMenuItem, realEnableMenuItem);
}
