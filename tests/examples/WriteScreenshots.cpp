// Plays every example's script headless and writes its final frame over the screenshot
// beside its sources: the images the golden-frame tests compare with and the README shows.
// Run through the `example-screenshots` target after a change that is meant to show.
#include "ExampleScripts.h"

#include <iostream>

int main() {
    for (const Example& example : Examples()) {
        Image frame;
        if (!PlayExample(example, frame) || !SavePng(frame, ScreenshotPath(example.folder))) {
            return 1;
        }
        std::cout << "wrote " << ScreenshotPath(example.folder) << std::endl;
    }
    return 0;
}
