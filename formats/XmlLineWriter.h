#pragma once
// The text of an exchange file as its readers expect it: Shift_JIS, one
// element per line, indented by tabs, CR LF after every line, the markup
// characters escaped.
#include "formats/XmlExportIssue.h"

#include <map>
#include <string>
#include <string_view>

namespace kolv {

// Where a value comes from, for the issues it raises.
struct XmlCellPlace {
    std::string_view table;  // UTF-8, the data's name as the menus give it
    int row = 0;
    int cell = 0;  // 0 for a heading line
};

class XmlLineWriter {
public:
    explicit XmlLineWriter(XmlExportIssues& issues) : issues_(issues) {}

    // A line of its own, as given (code page 932), at the current depth.
    void line(std::string_view text);
    // Element names are UTF-8; attributes are written as given.
    void open(std::string_view name, std::string_view attributes = {});
    void close(std::string_view name);
    // "<name>value</name>", or "<name/>" for an empty value. The value is
    // code page 932 text.
    void element(std::string_view name, std::string_view value, const XmlCellPlace& place);
    void emptyElement(std::string_view name);

    // Reports a value of place, keeping the stored text beside the problem.
    void report(const XmlCellPlace& place, std::string_view value, std::string_view problemUtf8);

    const std::string& text() const { return text_; }

private:
    const std::string& name(std::string_view utf8);
    std::string escaped(std::string_view value, const XmlCellPlace& place);
    const std::string& characterForm(std::string_view character);

    XmlExportIssues& issues_;
    std::string text_;
    int depth_ = 0;
    std::map<std::string, std::string, std::less<>> names_;
    std::map<std::string, std::string, std::less<>> characterForms_;
};

}  // namespace kolv
