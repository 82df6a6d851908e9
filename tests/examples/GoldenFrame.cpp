#include "GoldenFrame.h"

#include <cstdio>
#include <sstream>

void ExpectShots(const std::string& folder, std::initializer_list<const char*> names) {
    for (const std::string name : names) {
        ASSERT_EQ(shots.count(name), 1u) << name;
        ExpectFrameMatches(
            *shots.at(name), std::string{EXAMPLES_SOURCE_DIR} + "/" + folder + "/" + name + ".png",
            std::string{EXAMPLES_BINARY_DIR} + "/" + folder + "/last-" + name + ".png");
    }
}

std::vector<std::function<void()>> Script(const std::string& words) {
    std::vector<std::function<void()>> steps;
    std::istringstream in{words};
    for (std::string word; in >> word;) {
        float x = 0.0f, y = 0.0f;
        std::sscanf(word.c_str() + 1, "%f,%f", &x, &y);
        SDL_Event event{};
        if (word[0] == 'f') {
            steps.push_back(Frame(x, "screenshot"));
        } else if (word[0] == 'k') {
            event.key.keysym.sym = SDL_GetKeyFromName(word.c_str() + 1);
            steps.push_back([event]() mutable {
                for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
                    event.type = type;
                    scripted::Push(event);
                }
            });
        } else {
            const Sint32 sdlX = Sint32(x), sdlY = 480 - Sint32(y);
            if (word[0] == 'm') {
                event.motion = {SDL_MOUSEMOTION, 0, 0, 0, 0, sdlX, sdlY, 0, 0};
            } else {
                const Uint32 type = word[0] == 'd' ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
                event.button = {type, 0, 0, 0, SDL_BUTTON_LEFT, 0, 0, 0, sdlX, sdlY};
            }
            steps.push_back([event] { scripted::Push(event); });
        }
    }
    return steps;
}
