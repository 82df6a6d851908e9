#pragma once

#include "ExampleRun.h"

#include <string>
#include <vector>

// An example program, as the headless tests and the screenshot writer play it.
struct Example {
    std::string folder; // under examples/, in the source tree and in the build tree
    Image (*play)();    // runs its script on a live Core and returns the final frame
};

const std::vector<Example>& Examples();

// Brings up Core on SDL's offscreen video driver, plays the example from its build folder
// (where its assets are copied) and returns its final frame. False when Core cannot start
// or the folder is missing.
bool PlayExample(const Example& example, Image& frame);

std::string ScreenshotPath(const std::string& folder);
// Where a test leaves a frame that differs from the screenshot, for a look.
std::string LastFramePath(const std::string& folder);
// The build folder of an example, where its program starts.
std::string RunFolder(const std::string& folder);
