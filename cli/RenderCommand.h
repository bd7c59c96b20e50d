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
#include "cli/FileCommand.h"

#include <functional>
#include <string>
#include <vector>

namespace kolv {

// What drawing one log gave, for a report beside the files.
struct RenderedLog {
    std::string name;  // heading line 5, code page 932
    double depth = 0.0;
    int layers = 0;
    int tests = 0;
    int pages = 0;
    int thumbnailDotsPerInch = 16;
    std::string thumbnailPng;  // page 1
};

// Reads task.input as the Open command does and writes all its pages as one
// PDF to task.output on the settings' sheet, as render does without options;
// an empty output writes nothing. Fills rendered. Needs runWithDrawing.
int renderLogPdf(const CommandSession& session, const FileTask& task, FileReport& report, RenderedLog& rendered);

// Runs work with what drawing needs (a Qt application on the offscreen
// platform, the font substitutions) and returns its exit code.
int runWithDrawing(const std::function<int()>& work);

// arguments: everything after "render".
int runRenderCommand(const std::vector<std::string>& arguments);

}  // namespace kolv
