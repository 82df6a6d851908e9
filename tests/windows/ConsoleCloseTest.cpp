#include "tatami2d/app/Core.h"

#include <cstdio>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

// Core greys the Close command of its console window's system menu while it lives and enables
// it again at clean-up. The test gives itself a console window, then watches the framework's
// calls where they leave the program: its import table's entries for GetSystemMenu and
// EnableMenuItem point at recorders that call on to Windows. Where the system hands out the
// console's menu (Windows does; Wine, whose console window belongs to another process, gives
// none), the menu itself must show the state too.

extern "C" decltype(&::GetSystemMenu) __imp_GetSystemMenu;
extern "C" decltype(&::EnableMenuItem) __imp_EnableMenuItem;

namespace {

struct MenuCall {
    HWND window;
    HMENU menu;
    UINT item, flags, stateAfter;
};
std::vector<MenuCall> calls;
HWND lastWindow = nullptr;
decltype(&::GetSystemMenu) realGetSystemMenu = nullptr;
decltype(&::EnableMenuItem) realEnableMenuItem = nullptr;

HMENU WINAPI RecordGetSystemMenu(HWND window, BOOL revert) {
    lastWindow = window;
    return realGetSystemMenu(window, revert);
}

BOOL WINAPI RecordEnableMenuItem(HMENU menu, UINT item, UINT flags) {
    const BOOL result = realEnableMenuItem(menu, item, flags);
    calls.push_back({lastWindow, menu, item, flags, GetMenuState(menu, item, MF_BYCOMMAND)});
    return result;
}

template <class Function>
void Redirect(Function& entry, Function to) {
    DWORD protection = 0;
    VirtualProtect(&entry, sizeof entry, PAGE_READWRITE, &protection);
    entry = to;
    VirtualProtect(&entry, sizeof entry, protection, &protection);
}

} // namespace

TEST(ConsoleClose, GreyedWhileCoreLivesAndEnabledAfter) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    const HWND console = GetConsoleWindow();
    ASSERT_NE(console, nullptr);
    realGetSystemMenu = __imp_GetSystemMenu;
    realEnableMenuItem = __imp_EnableMenuItem;
    Redirect(__imp_GetSystemMenu, &RecordGetSystemMenu);
    Redirect(__imp_EnableMenuItem, &RecordEnableMenuItem);
    {
        tatami2d::Core core{tatami2d::WindowSpec{"Console test", 320.0f, 200.0f, true}};
        ASSERT_EQ(calls.size(), 1u);
    }
    Redirect(__imp_GetSystemMenu, realGetSystemMenu);
    Redirect(__imp_EnableMenuItem, realEnableMenuItem);
    ASSERT_EQ(calls.size(), 2u);
    for (const MenuCall& call : calls) {
        EXPECT_EQ(call.window, console);
        EXPECT_EQ(call.item, UINT{SC_CLOSE});
    }
    EXPECT_EQ(calls[0].flags, UINT{MF_GRAYED});
    EXPECT_EQ(calls[1].flags, UINT{MF_ENABLED});
    if (calls[0].menu != nullptr) {
        EXPECT_TRUE(calls[0].stateAfter & MF_GRAYED);
        EXPECT_FALSE(calls[1].stateAfter & MF_GRAYED);
    } else {
        std::printf("No system menu for the console window here: the calls are checked.\n");
    }
}
