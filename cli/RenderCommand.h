#pragma once
// kolv-cli render FILE -o OUT.pdf|OUT.png|OUT.svg [options]
// kolv-cli render FILE... --out-dir DIR [--format pdf|png|svg] [-j N] [options]
//
// Reads FILE as the Open command does, runs the after-change step and draws
// each page as printing does. The command line stands in for the default
// printer: its paper is --paper, else the settings' paper defaults (A3
// portrait in the bundled settings). A PDF holds one page per log page; PNG
// and SVG write one file per page (OUT-1.png, OUT-2.png, ... when there are
// several). Every file written is printed on stdout.
#include <string>
#include <vector>

namespace kolv {

// arguments: everything after "render".
int runRenderCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
