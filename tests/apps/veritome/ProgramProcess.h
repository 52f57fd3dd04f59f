// The window program as a child process of a test: started with its own settings folder and
// environment, its output kept in files, its windows found on the tests' X server.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace program_testing {

namespace fs = std::filesystem;

class ProgramProcess {
public:
    // Environment changes for the child: a value replaces the variable, nullopt-like empty
    // marker kUnset removes it.
    static constexpr const char* kUnset = "\x01unset";

    ProgramProcess(const fs::path& dir, std::vector<std::string> args,
                   std::map<std::string, std::string> env = {}, const fs::path& cwd = {});
    ~ProgramProcess();  // kills the child if it still runs
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    pid_t pid() const { return pid_; }
    bool started() const { return pid_ > 0; }
    // Waits for the exit: its status (128 + n for signal n), or -1 when it still runs.
    int wait(std::chrono::milliseconds limit);
    bool running();
    void signal(int number);
    std::string out() const;
    std::string err() const;

private:
    pid_t pid_ = -1;
    int status_ = -1;
    fs::path outFile_;
    fs::path errFile_;
};

// X windows of a child process found by their class ("veritome") among the managed windows.
std::vector<unsigned long> windowsOfClass(const std::string& className);
// Waits until exactly one such window is viewable; 0 when none came within the limit.
unsigned long waitForWindow(const std::string& className, std::chrono::milliseconds limit);
bool isViewable(unsigned long window);
// The window manager's state of a client: 1 normal, 3 iconic, -1 unknown.
int wmState(unsigned long window);
void iconify(unsigned long window);
// The size of a client window.
void windowSize(unsigned long window, int* width, int* height);
void resizeWindow(unsigned long window, int width, int height);
// The colour (0xBBGGRR) of one pixel of a client window's content as the X server holds it.
std::uint32_t windowPixel(unsigned long window, int x, int y);

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);
std::string readFile(const fs::path& path);

}  // namespace program_testing
