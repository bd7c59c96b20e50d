#include "formats/XmlValidation.h"

#include "formats/DeliveryFolder.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <filesystem>
#include <mutex>

namespace kolv {

namespace {

constexpr std::size_t largestErrorCount = 30;

xmlExternalEntityLoader defaultLoader = nullptr;

// Deliveries are made on systems whose file names ignore case: a file that
// names "bed0300.dtd" beside BED0300.DTD means it.
xmlParserInputPtr loadIgnoringCase(const char* url, const char* id, xmlParserCtxtPtr context)
{
    if (url && !std::filesystem::exists(url)) {
        const std::filesystem::path wanted(url);
        const std::string found = findEntryIgnoringCase(wanted.parent_path().string(), wanted.filename().string());
        if (!found.empty())
            return defaultLoader(found.c_str(), id, context);
    }
    return defaultLoader(url, id, context);
}

void installLoader()
{
    static std::once_flag once;
    std::call_once(once, [] {
        xmlInitParser();
        defaultLoader = xmlGetExternalEntityLoader();
        xmlSetExternalEntityLoader(loadIgnoringCase);
    });
}

struct Collected {
    std::vector<std::string> errors;
    bool dtdMissing = false;
};

std::string trimmed(std::string text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

void collect(void* context, xmlErrorPtr error)
{
    auto* collected = static_cast<Collected*>(context);
    if (!error || error->level == XML_ERR_WARNING)
        return;
    const std::string message = trimmed(error->message ? error->message : "");
    // A document type that is not there is one finding, not two.
    if (message.find("no DTD found") != std::string::npos
        || message.find("failed to load external entity") != std::string::npos) {
        collected->dtdMissing = true;
        return;
    }
    if (collected->errors.size() < largestErrorCount)
        collected->errors.push_back("line " + std::to_string(error->line) + ": " + message);
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The encoding the declaration names, lower case; empty without one.
std::string declaredEncoding(const std::string& bytes)
{
    const std::string head = bytes.substr(0, std::min<std::size_t>(bytes.size(), 200));
    if (head.rfind("<?xml", 0) != 0)
        return {};
    const std::size_t end = head.find("?>");
    const std::size_t at = head.find("encoding");
    if (at == std::string::npos || (end != std::string::npos && at > end))
        return {};
    const std::size_t quote = head.find_first_of("\"'", at);
    if (quote == std::string::npos)
        return {};
    const std::size_t close = head.find(head[quote], quote + 1);
    return close == std::string::npos ? std::string() : lowerCase(head.substr(quote + 1, close - quote - 1));
}

bool hasMultiByteText(const std::string& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
}

}  // namespace

XmlValidation validateXmlFile(const std::string& path)
{
    installLoader();
    XmlValidation result;
    std::string bytes;
    if (!readFileBytes(path, bytes)) {
        result.errors.push_back("the file cannot be read");
        return result;
    }
    const std::string declared = declaredEncoding(bytes);
    const bool utf8Bytes = hasMultiByteText(bytes) && looksLikeUtf8(bytes);
    const bool utf8Declared = declared.empty() || declared == "utf-8";
    if (utf8Bytes && !utf8Declared)
        result.encodingProblem = "the declaration names " + declared + " but the bytes are UTF-8";
    else if (hasMultiByteText(bytes) && !utf8Bytes && utf8Declared)
        result.encodingProblem = "the bytes are no UTF-8 but the declaration names none other";

    Collected collected;
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (!context) {
        result.errors.push_back("out of memory");
        return result;
    }
    xmlSetStructuredErrorFunc(&collected, collect);
    // Bytes that contradict their declaration are read as what they are, so
    // that the checks below see the text; the contradiction is its own finding.
    int options = XML_PARSE_DTDLOAD | XML_PARSE_DTDVALID | XML_PARSE_NONET | XML_PARSE_NOWARNING;
    const char* encoding = nullptr;
    if (!result.encodingProblem.empty() && utf8Bytes) {
        encoding = "UTF-8";
        options |= XML_PARSE_IGNORE_ENC;
    }
    xmlDocPtr document =
        xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()), path.c_str(), encoding, options);
    xmlSetStructuredErrorFunc(nullptr, nullptr);
    result.wellFormed = document != nullptr && context->wellFormed != 0;
    if (document) {
        if (document->intSubset && document->intSubset->SystemID)
            result.dtdName = reinterpret_cast<const char*>(document->intSubset->SystemID);
        result.dtdFound = document->extSubset != nullptr && !collected.dtdMissing;
        result.valid = result.wellFormed && result.dtdFound && context->valid != 0;
        xmlFreeDoc(document);
    }
    xmlFreeParserCtxt(context);
    result.errors = std::move(collected.errors);
    return result;
}

}  // namespace kolv
