#include "XSession.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <SDL_image.h>

namespace {

// Runs a shell command and returns what it printed.
std::string Capture(const std::string& command) {
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return out;
    }
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
        out += buffer.data();
    }
    pclose(pipe);
    return out;
}

void Pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

XSession::XSession(const std::string& executable, const std::string& stderrPath) {
    pid = fork();
    if (pid == 0) {
        const int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int in = open("/dev/null", O_RDONLY);
        dup2(err, STDERR_FILENO);
        dup2(in, STDIN_FILENO);
        // GLX refuses swap control under Xvfb; EGL grants it. No sound card here.
        setenv("SDL_VIDEO_X11_FORCE_EGL", "1", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_VIDEODRIVER");
        execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    window = Capture("timeout 30 xdotool search --sync --onlyvisible --name '^Numeral Dojo$' "
                     "| head -n 1");
    while (!window.empty() && window.back() == '\n') {
        window.pop_back();
    }
    if (window.empty()) {
        return;
    }
    std::istringstream geometry{Capture("xdotool getwindowgeometry --shell " + window)};
    for (std::string line; std::getline(geometry, line);) {
        const auto value = [&](const char* key) {
            return std::atoi(line.substr(std::string{key}.size() + 1).c_str());
        };
        if (line.rfind("X=", 0) == 0) {
            left = value("X");
        } else if (line.rfind("Y=", 0) == 0) {
            top = value("Y");
        } else if (line.rfind("WIDTH=", 0) == 0) {
            width = value("WIDTH");
        } else if (line.rfind("HEIGHT=", 0) == 0) {
            height = value("HEIGHT");
        }
    }
    IMG_Init(IMG_INIT_PNG);
    Pause(1000); // let the loop draw a few frames
}

XSession::~XSession() {
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    screen.reset();
    IMG_Quit();
}

void XSession::ClickAt(int x, int y) {
    // The game acts on the release at the last pointer position it saw move.
    std::system(("xdotool mousemove " + std::to_string(left + x) + " " +
                 std::to_string(top + height - y) + " sleep 0.1 click 1")
                    .c_str());
    Pause(150);
}

void XSession::PressKeys(const std::string& keyNames) {
    std::system(("xdotool key --delay 40 " + keyNames).c_str());
    Pause(150);
}

void XSession::Look(const std::string& keepFolder, const std::string& name) {
    const std::string path = "/tmp/dojo-e2e-" + std::to_string(getpid()) + ".png";
    Pause(100); // a frame or two after the last input
    std::system(("import -window root " + path).c_str());
    if (!keepFolder.empty()) {
        const std::string crop = std::to_string(width) + "x" + std::to_string(height) + "+" +
                                 std::to_string(left) + "+" + std::to_string(top);
        std::system(
            ("convert " + path + " -crop " + crop + " +repage " + keepFolder + "/" + name + ".png")
                .c_str());
    }
    SDL_Surface* loaded = IMG_Load(path.c_str());
    screen.reset(loaded == nullptr ? nullptr
                                   : SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0));
    SDL_FreeSurface(loaded);
    std::remove(path.c_str());
}

XSession::Rgb XSession::Pixel(int x, int y) const {
    const int sx = left + x;
    const int sy = top + height - 1 - y; // window row y (counted upwards) on the screen
    if (!screen || sx < 0 || sy < 0 || sx >= screen->w || sy >= screen->h) {
        return Rgb{-1, -1, -1};
    }
    const auto* p = static_cast<const Uint8*>(screen->pixels) + sy * screen->pitch + sx * 4;
    return Rgb{p[0], p[1], p[2]};
}

int XSession::Terminate() {
    if (pid <= 0) {
        return -1;
    }
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        Pause(100);
    }
    return -1;
}
