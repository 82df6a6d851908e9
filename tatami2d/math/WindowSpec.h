#pragma once

#include <string>

// What the window should look like; sizes are floats so the projection can use them
// exactly while the window itself takes them truncated.
struct WindowSpec {
    WindowSpec(const std::string& title, float width, float height, bool isVSyncOn)
        : title{title}, width{width}, height{height}, isVSyncOn{isVSyncOn} {}

    std::string title;
    float width;
    float height;
    bool isVSyncOn;
};
