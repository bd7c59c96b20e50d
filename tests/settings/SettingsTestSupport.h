#pragma once
// An installation folder in a temporary folder, and settings that use it.
#include "settings/LogSettings.h"
#include "support/TestSupport.h"

#include <string>
#include <string_view>
#include <vector>

namespace kolv::test {

struct InstallationFixture {
    TemporaryFolder root;  // the data root; the installation folder is root/Qelm3

    InstallationFixture();
    std::string folder() const { return root.file("Qelm3"); }
    std::string file(std::string_view name) const { return folder() + "/" + std::string(name); }
    // Settings whose installation folder is this fixture's, not yet loaded.
    LogSettings settings() const;
    // Lines joined with CR LF after each.
    void writeLines(std::string_view name, const std::vector<std::string>& lines) const;
};

// The lines of a 121-line Sys.ndx with every line empty except "502" on line 0.
std::vector<std::string> emptySettingsLines();

}  // namespace kolv::test
