#pragma once
// Exchange files as real databases publish them: UTF-8 behind a Shift_JIS
// declaration, several elements on one line, character references. The text
// is brought to one element per line in code page 932 before detection.
#include <string>
#include <string_view>
#include <vector>

namespace kolv {

struct PreparedXml {
    bool isXml = false;              // false: read the bytes as they are
    std::vector<std::string> lines;  // code page 932, without line ends
    std::string warning;             // code page 932; shown when not empty
    // A damaged document still gives what could be read; these say what is
    // wrong with it. endsEarly: the file ends before the root element (or a
    // tag, comment or section in it) closes, as a cut-off download does.
    bool endsEarly = false;
    // Code page 932: the first fault of a document that is not well-formed
    // (an end tag that closes no open element, a "<" that starts no tag);
    // empty when there is none.
    std::string notWellFormed;
};

// Text that begins with markup (after an optional UTF-8 byte-order mark and
// blanks) is XML: it is converted to code page 932 when its bytes are UTF-8,
// whatever its declaration says, and written out again as one element per
// line, "<name>value</name>", "<name/>", or a container's tag alone, the root
// element first. The declaration, the document type, comments and processing
// instructions are left out, and everything after the root element's end.
// Element values keep their line breaks (the line reader joins the lines of
// a value that runs over several) and hold "<" and "&" as "&lt;" and
// "&amp;"; every other character reference is resolved. A document whose
// root element is not "ボーリング情報" gives no lines, so that no format is
// recognised and the file is refused.
PreparedXml prepareXmlText(std::string_view bytes);

// Resolves the references of an element value: "&lt;", "&gt;", "&amp;",
// "&quot;", "&apos;" and numeric ones ("&#12354;", "&#x3042;"). A character
// without a code-page-932 form becomes "〓" and is counted in replacedCount
// when given; anything that is not a well-formed reference stays as written.
std::string decodeCharacterReferences(std::string_view text, int* replacedCount = nullptr);

}  // namespace kolv
