#include "document/DocumentOpening.h"

#include "document/DocumentRefresh.h"

namespace kolv {

OpenStatus openLogFile(const std::string& hostPath, const OpenOptions& options, BoringData& data, LogSettings& settings,
                       ViewState& view, const std::optional<PaperSize>& paper, Issues& issues, BoringData* asRead)
{
    // Read into a copy, so that a file that turns out unreadable half-way
    // leaves the open store whole.
    BoringData loaded = data;
    const OpenStatus status = openDocumentFile(hostPath, loaded, settings.soilNameMaster, issues, options);
    if (status != OpenStatus::Opened)
        return status;
    if (asRead)
        *asRead = loaded;
    data = std::move(loaded);
    applyDocumentChange(data, settings, view, issues, paper);
    return status;
}

}  // namespace kolv
