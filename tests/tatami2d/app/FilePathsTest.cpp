#include "tatami2d/app/FilePaths.h"

#include "tatami2d/app/Log.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace tatami2d;

namespace fs = std::filesystem;

// The tests run in the source tree; the program's own folder is the build's.
TEST(FilePaths, FindFilePrefersTheProgramsFolderThenTheWorkingDirectory) {
    const std::string base = fs::canonical("/proc/self/exe").parent_path().string() + "/";
    const std::string name = "FilePathsTest-beside.txt";
    std::ofstream{base + name} << "beside";

    EXPECT_EQ(FindFile(name), base + name);
    EXPECT_EQ(FindFile("README.md"), "README.md") << "only in the working directory";
    EXPECT_EQ(FindFile("/" + name), "/" + name) << "absolute: never beside the program";
    fs::remove(base + name);
}

TEST(FilePaths, UserDataFolderIsCreatedUnderTheUsersDataHomeForFolderNamesOnly) {
    const std::string home = testing::TempDir() + "dojo-data-" + std::to_string(getpid());
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    EXPECT_EQ(UserDataFolder("Tatami2D Tests", "files"), home + "/Tatami2D Tests/files/");
    EXPECT_TRUE(fs::is_directory(home + "/Tatami2D Tests/files"));
    EXPECT_EQ(UserDataFolder("", "files"), home + "/files/");

    std::string log;
    SetLogSink([&log](std::string_view message) { log += message; });
    for (const auto& [organization, application] : {std::pair{"a/b", "files"},
                                                    {"Tatami2D", "a\\b"},
                                                    {"..", "files"},
                                                    {"Tatami2D", "."},
                                                    {"Tatami2D", ""}}) {
        log.clear();
        EXPECT_EQ(UserDataFolder(organization, application), "") << application;
        EXPECT_EQ(log, std::string{"UserDataFolder(..), not a folder name: \""} + organization +
                           "\", \"" + application + "\"\n");
    }
    // Nowhere to put it: SDL finds no home.
    unsetenv("XDG_DATA_HOME");
    const std::string userHome = getenv("HOME");
    unsetenv("HOME");
    log.clear();
    EXPECT_EQ(UserDataFolder("Tatami2D", "files"), "");
    setenv("HOME", userHome.c_str(), 1);
    SetLogSink(nullptr);
    EXPECT_EQ(log.rfind("UserDataFolder(..), error when calling SDL_GetPrefPath: ", 0), 0u) << log;
    EXPECT_GT(log.size(), 60u) << "SDL's reason follows";
    fs::remove_all(home);
}
