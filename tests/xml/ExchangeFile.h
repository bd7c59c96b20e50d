#pragma once
// Opening exchange files in the tests the way the Open command does: from a
// file, through detection, the line reader and the post-processing.
#include "data/BoringData.h"
#include "formats/OpenDocument.h"
#include "platform/Prompter.h"
#include "settings/SoilNameMaster.h"

#include <memory>
#include <string>
#include <string_view>

namespace kolv::test {

struct OpenedExchangeFile {
    OpenStatus status = OpenStatus::CannotOpen;
    BoringData data;
    Issues issues;

    bool hasMessage(int id) const;
    // A cell or heading line as UTF-8, for readable expectations.
    std::string heading(int line) const;
};

std::unique_ptr<OpenedExchangeFile> openExchangeFile(const std::string& path, const SoilNameMaster& master = {});
std::unique_ptr<OpenedExchangeFile> openExchangeBytes(std::string_view bytes, const SoilNameMaster& master = {});

// An exchange document in code page 932: declaration, root element with the
// version attribute as given (for example "DTD_version=\"3.00\"") and body,
// all written in UTF-8 here.
std::string exchangeDocument(std::string_view versionAttribute, std::string_view body);

std::string utf8(std::string_view cp932);

}  // namespace kolv::test
