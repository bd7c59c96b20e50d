// A contact sheet of the soil patterns of an installation folder, for review:
//
//   kolv-pattern-sheet INSTALL_DIR OUT.png [FIRST LAST]
//
// shows, for every number of the vector table and every J<n>.BMP of the
// pattern folders (optionally only the numbers FIRST to LAST), the number, its
// short label and soil example from PtnvcJG.ndx (a whole name's name from
// WdtvJCA.mst), the vector figure in its colour, and the bitmaps of Jbptn and
// Jbptn01 tiled as the soil column tiles them.
#include "data/Cp932Text.h"
#include "data/Csv.h"
#include "data/Number.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "render/BitmapFile.h"
#include "render/BitmapTiling.h"
#include "render/QtPainterDevice.h"
#include "render/VectorFigures.h"
#include "settings/PatternColorFile.h"
#include "settings/SoilNameMasterFile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <set>
#include <string>

using namespace kolv;

namespace {

constexpr int dotsPerInch = 150;
constexpr double pixelsPerMillimetre = dotsPerInch / 25.4;

// Layout in millimetres.
constexpr int mostColumns = 6;
constexpr double margin = 6.0;
constexpr double entryWidth = 46.0;
constexpr double entryHeight = 46.0;
constexpr double labelHeight = 11.0;
constexpr double cellWidth = 12.0;
constexpr double cellHeight = 30.0;
constexpr double cellGap = 2.5;
constexpr double textMillimetres = 3.0;

int px(double millimetres)
{
    return static_cast<int>(millimetres * pixelsPerMillimetre + 0.5);
}

struct Label {
    std::string shortLabel;  // code page 932
    std::string example;
};

std::map<long, Label> readLabels(const std::string& installFolder)
{
    std::map<long, Label> labels;
    std::string bytes;
    if (!readFileBytes(installFolder + "/PtnvcJG.ndx", bytes))
        return labels;
    for (const std::string& line : splitLines(bytes)) {
        if (containsText(line, "[") || containsText(line, "{"))
            continue;
        const std::string number = splitCsvField(line, 1);
        if (isNumericText(number) > 0)
            labels[parseLeadingInteger(number)] = {splitCsvField(line, 4), splitCsvField(line, 5)};
    }
    std::string master;
    if (readFileBytes(installFolder + "/WdtvJCA.mst", master)) {
        SoilNameMaster bitmapSet;
        readSoilNameMaster(bitmapSet, master, 1);
        for (const SoilNameRow& row : bitmapSet.rows)
            if (row.patternNumber[1] >= 10100 && !labels.count(row.patternNumber[1]))
                labels[row.patternNumber[1]] = {row.name, "(" + row.symbol + ")"};
    }
    return labels;
}

// Numbers of the J<n>.BMP files of a folder, the name matched without regard to case.
std::set<long> bitmapNumbers(const std::string& folder)
{
    std::set<long> numbers;
    DIR* directory = opendir(folder.c_str());
    if (!directory)
        return numbers;
    while (dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        const std::string upper = upperCaseText(name);
        if (upper.size() > 5 && upper[0] == 'J' && upper.compare(upper.size() - 4, 4, ".BMP") == 0
            && std::isdigit(static_cast<unsigned char>(upper[1])))
            numbers.insert(parseLeadingInteger(upper.substr(1)));
    }
    closedir(directory);
    return numbers;
}

void drawCellOutline(LogDevice& device, const DeviceRect& cell)
{
    device.drawRectangle({cell.left - 1, cell.top - 1, cell.right, cell.bottom}, Pen{PenStyle::Solid, 1, 0xB0B0B0});
}

void drawBitmapCell(LogDevice& device, const std::string& folder, long number, const DeviceRect& cell)
{
    MonochromeBitmap bitmap;
    if (readBitmapFile(folder + "/J" + std::to_string(number) + ".BMP", bitmap))
        tileBitmap(device, cell, bitmap, RasterOperation::Copy);
    else
        device.drawLine({cell.left, cell.bottom}, {cell.right, cell.top}, Pen{PenStyle::Solid, 1, 0x0000FF});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: kolv-pattern-sheet INSTALL_DIR OUT.png [FIRST LAST]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    installFontSubstitutions();

    const std::string installFolder = argv[1];
    const long first = argc == 5 ? std::atol(argv[3]) : 0;
    const long last = argc == 5 ? std::atol(argv[4]) : 999999;
    const std::string colourFolder = installFolder + "/Jbptn";
    const std::string monoFolder = installFolder + "/Jbptn01";

    std::set<long> numbers(vectorFigureNumbers().begin(), vectorFigureNumbers().end());
    numbers.merge(bitmapNumbers(colourFolder));
    numbers.merge(bitmapNumbers(monoFolder));
    std::erase_if(numbers, [&](long number) { return number < first || number > last; });
    const std::map<long, Label> labels = readLabels(installFolder);
    PatternColorTable colours;
    std::string colourBytes;
    if (readFileBytes(installFolder + "/PtnvcJG.ndx", colourBytes))
        readPatternColors(colours, colourBytes);

    const int columns = std::max(1, std::min(mostColumns, static_cast<int>(numbers.size())));
    const int rows = (static_cast<int>(numbers.size()) + columns - 1) / columns;
    QImage image(px(2 * margin + columns * entryWidth), px(2 * margin + 8.0 + rows * entryHeight),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254 + 0.5));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QtPainterDevice device(painter);
        FontRequest font;
        font.height = -px(textMillimetres);
        font.face = utf8ToCp932("ＭＳ Ｐ明朝");
        device.setFont(font);
        device.drawText({px(margin), px(margin)},
                        utf8ToCp932("番号 略表示 地質例 ／ 左から 線描（色）・Jbptn・Jbptn01"),
                        TextAlign::Left | TextAlign::Top);

        int index = 0;
        for (const long number : numbers) {
            const double left = margin + (index % columns) * entryWidth;
            const double top = margin + 8.0 + (index / columns) * entryHeight;
            ++index;
            const auto label = labels.find(number);
            device.drawText({px(left), px(top)},
                            std::to_string(number) + " " + (label != labels.end() ? label->second.shortLabel : ""),
                            TextAlign::Left | TextAlign::Top);
            if (label != labels.end())
                device.drawText({px(left), px(top + textMillimetres + 1.5)}, label->second.example,
                                TextAlign::Left | TextAlign::Top);

            const double cellTop = top + labelHeight;
            for (int cellIndex = 0; cellIndex < 3; ++cellIndex) {
                const double cellLeft = left + cellIndex * (cellWidth + cellGap);
                const DeviceRect cell{px(cellLeft), px(cellTop), px(cellLeft + cellWidth), px(cellTop + cellHeight)};
                if (cellIndex == 0) {
                    FigureFrame frame;
                    frame.originX = cell.left;
                    frame.originY = cell.top;
                    frame.unitX = frame.unitY = pixelsPerMillimetre;
                    frame.cell = cell;
                    drawVectorFigure(device, number, frame, Pen{PenStyle::Solid, 1, colours.colorOf(number)});
                } else {
                    drawBitmapCell(device, cellIndex == 1 ? colourFolder : monoFolder, number, cell);
                }
                drawCellOutline(device, cell);
            }
        }
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 5;
    }
    return 0;
}
