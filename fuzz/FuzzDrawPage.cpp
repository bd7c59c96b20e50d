// A drawing pass of a fuzzed document on the recording device: the file is
// opened as the Open command does, the window's after-change step runs, and
// the first printed page and the screen page are drawn with the bundled
// settings, masters and patterns.
#include "FuzzSupport.h"
#include "document/DocumentRefresh.h"
#include "formats/OpenDocument.h"
#include "platform/Issue.h"
#include "render/LogMapping.h"
#include "render/LogPage.h"
#include "render/RecordingDevice.h"
#include "settings/SettingsStore.h"

namespace {

struct Installation {
    kolv::LogSettings settings;
    kolv::BoringData defaults;
};

const Installation& bundledInstallation()
{
    static const Installation installation = [] {
        Installation loaded;
        loaded.settings.dataRoot = kolv::fuzz::scratchFolder();
        loaded.settings.installFolderOverride = KOLV_BUNDLED_INSTALL_DIR;
        kolv::Issues issues;
        kolv::loadSettings(loaded.settings, loaded.defaults, false, issues);
        return loaded;
    }();
    return installation;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Installation& installation = bundledInstallation();
    const std::string path = kolv::fuzz::writeScratchFile("drawn", kolv::fuzz::bytesOf(data, size));

    kolv::BoringData document = installation.defaults;
    kolv::LogSettings settings = installation.settings;
    kolv::Issues issues;
    if (kolv::openDocumentFile(path, document, settings.soilNameMaster, issues) != kolv::OpenStatus::Opened)
        return 0;
    kolv::ViewState view;
    kolv::applyDocumentChange(document, settings, view, issues, kolv::PaperSize{297, 420});

    kolv::RecordingDevice printer(150);
    kolv::drawPage(printer, document, settings, kolv::PageOptions{});
    kolv::RecordingDevice screen(96);
    kolv::PageOptions screenPage;
    screenPage.printing = false;
    screenPage.screenPageStart = view.screenPageStart;
    kolv::drawPage(screen, document, settings, screenPage);
    return 0;
}
