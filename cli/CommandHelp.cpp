#include "cli/CommandHelp.h"

#include <thread>

namespace kolv {

namespace {

struct CommandHelp {
    std::string_view name;
    std::string_view summary;  // one line in the list of commands
    std::string_view text;     // the command's own help
};

constexpr CommandHelp helps[] = {
    {"dump", "print the document as JSON (UTF-8)",
     "usage: kolv-cli dump FILE\n"
     "       kolv-cli dump FILE... --out-dir DIR [-j N]\n"
     "\n"
     "Reads FILE as the Open command does and prints the data store right after\n"
     "reading as one JSON object (UTF-8) on stdout: every table under its name,\n"
     "only the occupied rows, each row an array of its saved cells.\n"
     "With --out-dir: DIR/NAME.json for every FILE, each path printed on stdout.\n"},
    {"convert", "read any accepted format and save it as a native .vla file",
     "usage: kolv-cli convert FILE -o OUT.vla\n"
     "       kolv-cli convert FILE... --out-dir DIR [-j N]\n"
     "\n"
     "Reads FILE (a .vla document, a sister product's file or an exchange file)\n"
     "as the Open command does and saves it in the native format. Prints the path\n"
     "of the file written. With --out-dir: DIR/NAME.vla for every FILE.\n"},
    {"render", "draw the log as printed: PDF, PNG or SVG",
     "usage: kolv-cli render FILE -o OUT.pdf|OUT.png|OUT.svg [options]\n"
     "       kolv-cli render FILE... --out-dir DIR [--format pdf|png|svg] [-j N] [options]\n"
     "\n"
     "Draws every page of the log as printing does.\n"
     "\n"
     "options:\n"
     "  --paper A3|A4          the sheet (default: the settings' paper defaults,\n"
     "                         A3 portrait in the bundled settings)\n"
     "  --landscape            turn the sheet (with --paper or the default paper)\n"
     "  --dpi N                resolution, 1 to 1200 (default 150); below 30 the text\n"
     "                         cannot be read\n"
     "  --hscale N             horizontal scale 1:N, 25 to 500 (default 100)\n"
     "  --vscale N             vertical (depth) scale 1:N, 25 to 500 (default 100)\n"
     "  --depth-per-page M     metres a page, 1 to 100 (default: the settings', else\n"
     "                         as many as fit the sheet)\n"
     "  --start DEPTH          depth of the first page in metres, -10 to 3000\n"
     "                         (default: the document's)\n"
     "  --pages A-B            only pages A to B (default: every page)\n"
     "  --format pdf|png|svg   with --out-dir or -o -: the kind of file (default pdf)\n"
     "\n"
     "Files written (each path is printed on stdout, one a line):\n"
     "  OUT.pdf                one PDF holding every page\n"
     "  OUT.png, OUT.svg       one file a page: OUT.png for a one-page log,\n"
     "                         OUT-1.png, OUT-2.png, ... for several pages\n"
     "  --out-dir DIR          DIR/NAME.pdf (or NAME-1.png, ...) named after FILE\n"
     "  -o -                   standard output (one page for PNG and SVG)\n"
     "\n"
     "When the log is wider or longer than the sheet it is drawn all the same and a\n"
     "warning names the options that make it fit (A3, --landscape, --hscale).\n"},
    {"check", "report full-width letters and digits, as the check dialog does",
     "usage: kolv-cli check FILE\n"
     "       kolv-cli check FILE... --out-dir DIR [-j N]\n"
     "\n"
     "Prints the full-width alphanumeric report of FILE on stdout, one finding a\n"
     "line (\"無し\" when there is none). With --out-dir: DIR/NAME.txt for every FILE.\n"},
    {"export-xml", "write the exchange file (XML, DTD 4.00)",
     "usage: kolv-cli export-xml FILE -o OUT.XML\n"
     "       kolv-cli export-xml FILE... --out-dir DIR [-j N]\n"
     "\n"
     "Reads FILE as the Open command does and writes it as an exchange file\n"
     "(DTD 4.00). Values the exchange file cannot hold are reported on stderr by\n"
     "row and cell; the file is written all the same. Prints the path of the file\n"
     "written. With --out-dir: DIR/NAME.XML for every FILE.\n"},
    {"delivery", "draw or check every log of an electronic delivery (BORING folder)",
     "usage: kolv-cli delivery FOLDER [--out DIR] [-j N] [--force]\n"
     "       kolv-cli delivery FOLDER --check\n"
     "\n"
     "FOLDER is the BORING folder of an electronic delivery (or its BORING.XML):\n"
     "BORING.XML lists the boreholes, DATA/ holds their exchange files.\n"
     "\n"
     "Draws the log of every borehole BORING.XML lists, reading its exchange file\n"
     "as the Open command does, and writes it as a PDF (as render does without\n"
     "options) under the name BORING.XML gives it: LOG/BRG0001.PDF, ... Then prints\n"
     "a report per borehole on stdout (name, depth, layers, tests, pages, problems)\n"
     "and writes it as report.html beside the PDFs, with page 1 of every log.\n"
     "A borehole whose exchange file is missing is reported and the others go on.\n"
     "\n"
     "options:\n"
     "  --out DIR              write the PDFs and report.html into DIR\n"
     "                         (default: the delivery's LOG folder)\n"
     "  --force                replace PDFs that exist (default: keep them)\n"
     "  -j N                   logs drawn side by side (default: the number of cores)\n"
     "  --check                write nothing; print every finding as \"FILE: finding\":\n"
     "                         XML not well-formed or not valid against the DTD the\n"
     "                         delivery carries, values out of range, full-width\n"
     "                         letters and digits in log texts, exchange files that\n"
     "                         disagree with BORING.XML (name, position, elevation,\n"
     "                         drilled length), files BORING.XML names that are\n"
     "                         missing and exchange files or logs it does not name.\n"
     "                         Exit status 0 when there is none, 1 with findings.\n"},
    {"geojson", "map boreholes: one GeoJSON point per borehole",
     "usage: kolv-cli geojson FILE... -o OUT.geojson\n"
     "\n"
     "FILE: exchange files, or BORING folders of electronic deliveries (every\n"
     "borehole their BORING.XML lists). Writes one GeoJSON FeatureCollection\n"
     "(RFC 7946): a point per borehole at the longitude and latitude its file\n"
     "gives, in decimal degrees (JGD2000/JGD2011 as WGS 84; the old Tokyo datum\n"
     "moved approximately), with the properties name, elevation, depth,\n"
     "water_level (m below the collar), dtd_version, datum and path; from a\n"
     "delivery also serial and log_file. A file without a position is named on\n"
     "stderr and left off the map. Prints the path of the file written.\n"},
};

const CommandHelp* helpOf(std::string_view command)
{
    for (const CommandHelp& help : helps)
        if (help.name == command)
            return &help;
    return nullptr;
}

void printCommonOptions(std::ostream& out)
{
    out << "common options:\n"
           "  --install-dir DIR      the installation folder (settings, masters, fonts,\n"
           "                         patterns); default: the bundled reference data\n"
           "  -o -                   the result on standard output (also -o /dev/stdout);\n"
           "                         a device, a pipe or a link is written to, never\n"
           "                         replaced\n"
           "  --out-dir DIR          many FILEs at once: one output a FILE in DIR, named\n"
           "                         after it (NAME_2, NAME_3, ... when names repeat);\n"
           "                         progress on stderr, a bad FILE is named and skipped\n"
           "  -j N                   with --out-dir: files processed side by side\n"
           "                         (default: the number of cores, here "
        << std::max(1u, std::thread::hardware_concurrency())
        << ")\n"
           "  --strict               a FILE read or written with warnings (a damaged\n"
           "                         exchange file, rows past a table's capacity, values\n"
           "                         the output cannot hold) fails with status 6\n"
           "  -h, --help             this help; kolv-cli help COMMAND for one command\n"
           "  --version              the program's version\n"
           "\n"
           "Exit status: 0 success, 2 usage error, 3 the file cannot be opened, 4 the\n"
           "format is not recognised, 5 the output cannot be written, 6 warnings under\n"
           "--strict. With --out-dir:\n"
           "0 when every FILE succeeded, else the status of the first that failed.\n";
}

}  // namespace

void printUsage(std::ostream& out, const std::vector<std::string_view>& commandNames)
{
    out << "kolv-cli: reads, converts, checks and draws harbour-type boring logs\n"
           "\n"
           "usage: kolv-cli COMMAND FILE [options]\n"
           "       kolv-cli COMMAND FILE... --out-dir DIR [-j N] [options]\n"
           "       kolv-cli help [COMMAND] | --help | --version\n"
           "\n"
           "FILE: a .vla document, a sister product's file or an exchange file (XML).\n"
           "\n"
           "commands:\n";
    for (std::string_view name : commandNames) {
        const CommandHelp* help = helpOf(name);
        std::string line = "  " + std::string(name);
        if (help) {
            line.resize(std::max<std::size_t>(line.size() + 2, 15), ' ');
            line += help->summary;
        }
        out << line << "\n";
    }
    out << "\n";
    if (const CommandHelp* render = helpOf("render")) {
        out << "kolv-cli render in detail (kolv-cli help COMMAND for the others):\n\n";
        out << render->text << "\n";
    }
    printCommonOptions(out);
}

bool printCommandHelp(std::ostream& out, std::string_view command)
{
    const CommandHelp* help = helpOf(command);
    if (!help)
        return false;
    out << help->text << "\n";
    printCommonOptions(out);
    return true;
}

void printVersion(std::ostream& out)
{
    out << "kolv-cli " << KOLV_VERSION << "\n";
}

}  // namespace kolv
