// Opening a whole file as the Open command does: detection over the first
// lines, then the native, sibling or exchange-file reader, post-processing,
// and saving what was read.
#include "FuzzSupport.h"
#include "formats/NativeWriter.h"
#include "formats/OpenDocument.h"
#include "platform/FileIo.h"
#include "platform/Issue.h"
#include "settings/SoilNameMasterFile.h"

namespace {

const kolv::SoilNameMaster& bundledMaster()
{
    static const kolv::SoilNameMaster master = [] {
        kolv::SoilNameMaster loaded;
        std::string bytes;
        kolv::readFileBytes(std::string(KOLV_BUNDLED_INSTALL_DIR) + "/WdtvJCA.mst", bytes);
        kolv::readSoilNameMaster(loaded, bytes, 1);
        return loaded;
    }();
    return master;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes = kolv::fuzz::bytesOf(data, size);
    const int choice = kolv::fuzz::takeChoice(bytes, 2);
    const std::string path = kolv::fuzz::writeScratchFile("opened", bytes);

    kolv::OpenOptions options;
    if (choice == 1) {
        // Opened by path: six lines for detection, seen without line ends.
        options.detectionLines = 6;
        options.detectWithLineEnds = false;
    }
    kolv::BoringData document;
    kolv::Issues issues;
    if (kolv::openDocumentFile(path, document, bundledMaster(), issues, options) == kolv::OpenStatus::Opened)
        kolv::writeNativeFile(document);
    return 0;
}
