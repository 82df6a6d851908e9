#include "GoldenFrame.h"

#include <gtest/gtest.h>

void ExpectGolden(const SDL_Surface& frame, const std::string& folder, const std::string& name) {
    SCOPED_TRACE(folder);
    ExpectFrameMatches(frame, std::string{EXAMPLES_SOURCE_DIR} + "/" + folder + "/" + name + ".png",
                       std::string{EXAMPLES_BINARY_DIR} + "/" + folder + "/last-" + name + ".png");
}
