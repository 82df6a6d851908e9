#include "tatami2d/app/Core.h"

#include <cstdio>
#include <utility>
#include <vector>
#include <windows.h>

#include <gtest/gtest.h>

// The framework's calls are watched where they leave the program: the import table's entries
// point at recorders that call on to Windows. Where the system hands out the console's menu
// (Wine, whose console belongs to another process, does not), the menu must show the state too.

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
    using Expected = std::pair<MenuCall, UINT>;
    for (const auto& [call, flags] : {Expected{calls[0], MF_GRAYED}, {calls[1], MF_ENABLED}}) {
        EXPECT_EQ(call.window, console);
        EXPECT_EQ(call.item, UINT{SC_CLOSE});
        EXPECT_EQ(call.flags, flags);
    }
    if (calls[0].menu != nullptr) {
        EXPECT_TRUE(calls[0].stateAfter & MF_GRAYED);
        EXPECT_FALSE(calls[1].stateAfter & MF_GRAYED);
    } else {
        std::printf("No system menu for the console window here: the calls are checked.\n");
    }
}
