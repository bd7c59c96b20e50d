#pragma once
// Shared by the benchmark programs: ratios of a piece of work against its
// floor measured in the same run, the bundled installation, a dense borehole
// and the replay of recorded primitives.
#include "data/BoringData.h"
#include "data/Number.h"
#include "formats/NativeWriter.h"
#include "formats/OpenDocument.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "document/DocumentRefresh.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsStore.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <string>

namespace kolv::bench {

// Processor time of this process, so that ratios hold while other programs
// share the machine.
inline double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Runs the work and its floor alternately, so that both see the same machine,
// and reports the processor milliseconds of each and their ratio.
template <class Work, class Floor> void measureRatio(benchmark::State& state, Work work, Floor floor)
{
    double workTime = 0;
    double floorTime = 0;
    for (auto _ : state) {
        const double start = processorMilliseconds();
        work();
        const double middle = processorMilliseconds();
        floor();
        workTime += middle - start;
        floorTime += processorMilliseconds() - middle;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["work_ms"] = workTime / iterations;
    state.counters["floor_ms"] = floorTime / iterations;
    state.counters["ratio"] = workTime / floorTime;
}

inline std::string scratchFile(const std::string& name)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kolv-bench";
    std::filesystem::create_directories(folder);
    return (folder / name).string();
}

// The bundled settings, masters and fonts, loaded once.
struct Installation {
    LogSettings settings;
    BoringData defaults;
};

inline const Installation& bundledInstallation()
{
    static const Installation installation = [] {
        Installation loaded;
        loaded.settings.dataRoot = scratchFile("root");
        loaded.settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        Issues issues;
        loadSettings(loaded.settings, loaded.defaults, false, issues);
        return loaded;
    }();
    return installation;
}

// One page of 30 m holding everything at once: 200 layers with bitmap
// patterns, 300 penetration tests, 100 observation notes, samples, recovery
// and free notes. Saved natively and opened again, so that the layers carry
// the pattern codes of the bundled master.
struct DenseBorehole {
    std::string path;
    BoringData data;
    LogSettings settings;
};

inline const DenseBorehole& denseBorehole()
{
    static const DenseBorehole dense = [] {
        const Installation& installation = bundledInstallation();
        DenseBorehole made{scratchFile("dense.vla"), installation.defaults, installation.settings};
        BoringData& data = made.data;
        clear(data);
        const char* soils[] = {"砂礫", "粘土", "シルト", "細砂", "有機質土", "礫", "ローム", "埋土", "砂"};
        const auto depth = [](double metres) { return formatText("%.2f", metres); };
        data.setHeadingLine(1, utf8ToCp932("高密度頁　港湾施設地盤調査"));
        data.setHeadingLine(36, "1");
        for (int row = 1; row <= 200; ++row)
            data.layerRows.row(row) = {depth(0.15 * row),
                                       utf8ToCp932(soils[row % 9]),
                                       "",
                                       utf8ToCp932("暗灰"),
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       ""};
        for (int row = 1; row <= 300; ++row)
            data.sptRows.row(row) = {depth(0.1 * row - 0.05), std::to_string(row % 50), "2", "3", "4", "0"};
        for (int row = 1; row <= 100; ++row)
            data.observationRows.row(row) = {depth(0.3 * (row - 1)), depth(0.3 * row), "",
                                             utf8ToCp932("貝殻片を混入する\r\n"), "0"};
        for (int row = 1; row <= 30; ++row)
            data.sampleRows.row(row) = {
                depth(row - 0.9), depth(row - 0.1), "T-" + std::to_string(row), "T", utf8ToCp932("物理"), "0"};
        for (int row = 1; row <= 30; ++row)
            data.recoveryRows.row(row) = {depth(row - 1.0), depth(row), "92", "45.2", "", "", ""};
        data.freeNoteHeader = {"", "60", "", "", ""};
        for (int row = 1; row <= 10; ++row)
            data.freeNoteRows.row(row) = {"0", std::to_string(row * 5), "", "20",
                                          utf8ToCp932("孔口標高はＤＬ基準") + std::to_string(row)};
        writeFileAtomically(made.path, writeNativeFile(data));
        Issues issues;
        made.data = installation.defaults;
        openDocumentFile(made.path, made.data, made.settings.soilNameMaster, issues);
        made.settings.depthPerPage = 30;
        ViewState view;
        applyDocumentChange(made.data, made.settings, view, issues, PaperSize{297, 420});
        return made;
    }();
    return dense;
}

// Draws recorded primitives again on another device, as they were drawn.
inline void replayPrimitives(const std::vector<RecordedPrimitive>& primitives, LogDevice& device)
{
    using Kind = RecordedPrimitive::Kind;
    MonochromeBitmap bitmap;
    for (const RecordedPrimitive& p : primitives) {
        switch (p.kind) {
        case Kind::Line:
            device.drawLine(p.points[0], p.points[1], p.pen);
            break;
        case Kind::Polyline:
            device.drawPolyline(p.points, p.pen);
            break;
        case Kind::Rectangle:
            device.drawRectangle(p.rect, p.pen);
            break;
        case Kind::FilledRectangle:
            device.fillRectangle(p.rect, p.fillColor);
            break;
        case Kind::Polygon:
            device.drawPolygon(p.points, p.pen, p.filled ? &p.fillColor : nullptr);
            break;
        case Kind::Ellipse:
            device.drawEllipse(p.rect, p.pen, p.filled ? &p.fillColor : nullptr);
            break;
        case Kind::Arc:
            device.drawArc(p.rect, p.points[0], p.points[1], p.pen);
            break;
        case Kind::Text:
            device.setFont(p.font);
            device.drawText(p.points[0], p.text, p.align);
            break;
        case Kind::WrappedText:
            if (!p.measureOnly) {
                device.setFont(p.font);
                device.drawWrappedText(p.rect, p.text, false);
            }
            break;
        case Kind::Clip:
            device.setClip(p.rect);
            break;
        case Kind::ResetClip:
            device.resetClip();
            break;
        case Kind::Bitmap:
            // The pixels do not matter for the time, only the sizes.
            if (bitmap.width != p.bitmapWidth || bitmap.height != p.bitmapHeight) {
                bitmap.width = p.bitmapWidth;
                bitmap.height = p.bitmapHeight;
                bitmap.stride = (p.bitmapWidth + 31) / 32 * 4;
                bitmap.bits.assign(static_cast<std::size_t>(bitmap.stride) * bitmap.height, 0x55);
            }
            device.stretchBitmap(p.rect, bitmap, p.source.left, p.source.top, p.source.right - p.source.left,
                                 p.source.bottom - p.source.top, p.operation);
            break;
        }
    }
}

}  // namespace kolv::bench
