// The desktop's file chooser for one file to open: the desktop portal's FileChooser on the
// session bus, else zenity, else kdialog.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform::desktop {

struct ChosenFile {
    enum class Outcome {
        kChosen,     // path holds the file
        kCancelled,  // the user closed the chooser without a file (or chose one that is not local)
        kNoChooser,  // neither the portal nor a helper program could show a chooser
    };
    Outcome outcome = Outcome::kNoChooser;
    std::string path;
};

// Runs on the bus thread once the chooser has closed or could not open.
using ChosenCallback = std::function<void(const ChosenFile&)>;

// Opens the chooser over parentWindow ("x11:<hex id>", or "" when unknown) with title, and
// returns at once. `helpers` are the programs tried when no portal answers, in order; each is
// known by its name (zenity, kdialog), looked up in PATH.
void chooseFile(const std::string& parentWindow, const std::string& title, ChosenCallback done,
                std::vector<std::string> helpers = {"zenity", "kdialog"});

}  // namespace platform::desktop
