#pragma once
// The first start of the program on a machine: the bundled installation
// folder (settings, masters, fonts, pattern bitmaps, help) is copied into the
// default installation folder C:\Ostrand\Qelm3 under the per-user data root.
#include <string>

namespace kolv {

// Copies every file of bundledFolder (with its subfolders) that the
// installation folder <dataRoot>/drive_c/Ostrand/Qelm3 does not hold yet. A
// file that is there, under any upper or lower case spelling of its name, is
// the user's and is never overwritten. False when a file could not be
// copied; the files copied until then stay.
bool copyBundledInstallation(const std::string& bundledFolder, const std::string& dataRoot);

// The host folder that the copy fills.
std::string defaultInstallationFolder(const std::string& dataRoot);

}  // namespace kolv
