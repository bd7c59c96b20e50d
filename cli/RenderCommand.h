#pragma once
// kolv-cli render FILE -o OUT.pdf|OUT.png|OUT.svg [--pages A-B] [--dpi N]
//     [--hscale N] [--vscale N] [--depth-per-page M] [--start DEPTH]
//     [--paper A3|A4] [--landscape] [--install-dir DIR]
//
// Reads FILE as the Open command does, runs the after-change step and draws
// each page as printing does. The command line stands in for the default
// printer: --paper is its paper, and without --paper there is no printer, so
// the page is 280 x 280 mm. A PDF holds one page per log page; PNG and SVG
// write one file per page (OUT-1.png, OUT-2.png, ... when there are several).
#include <string>
#include <vector>

namespace kolv {

// arguments: everything after "render".
int runRenderCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
