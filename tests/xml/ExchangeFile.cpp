#include "ExchangeFile.h"

#include "platform/Cp932Codec.h"
#include "support/TestSupport.h"

namespace kolv::test {

bool OpenedExchangeFile::hasMessage(int id) const
{
    for (const Issue& issue : issues) {
        if (issue.messageId == id)
            return true;
    }
    return false;
}

std::string OpenedExchangeFile::heading(int line) const
{
    return utf8(data.headingLine(line));
}

std::unique_ptr<OpenedExchangeFile> openExchangeFile(const std::string& path, const SoilNameMaster& master)
{
    auto opened = std::make_unique<OpenedExchangeFile>();
    clear(opened->data);
    opened->status = openDocumentFile(path, opened->data, master, opened->issues);
    return opened;
}

std::unique_ptr<OpenedExchangeFile> openExchangeBytes(std::string_view bytes, const SoilNameMaster& master)
{
    TemporaryFolder folder;
    const std::string path = folder.file("BED0001.XML");
    writeFile(path, bytes);
    return openExchangeFile(path, master);
}

std::string exchangeDocument(std::string_view versionAttribute, std::string_view body)
{
    return sjis("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<!DOCTYPE ボーリング情報 SYSTEM \"BED.DTD\">\r\n"
                "<ボーリング情報 "
                + std::string(versionAttribute) + ">\r\n" + std::string(body) + "\r\n</ボーリング情報>\r\n");
}

std::string utf8(std::string_view cp932)
{
    return cp932ToUtf8(cp932);
}

}  // namespace kolv::test
