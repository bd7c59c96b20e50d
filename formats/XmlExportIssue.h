#pragma once
// A value the exchange-file export could not write as the store holds it.
#include <string>
#include <vector>

namespace kolv {

struct XmlExportIssue {
    std::string table;    // code page 932: the data's name as the menus give it ("Ｎ値", "見出し")
    int row = 0;          // row, or heading line, numbered from 1
    int cell = 0;         // cell numbered from 1; 0 for a heading line
    std::string value;    // the stored text, code page 932
    std::string problem;  // code page 932: what is wrong and what was written instead
};

using XmlExportIssues = std::vector<XmlExportIssue>;

// One line, code page 932: "Ｎ値 3行目 2列「abc」: 数値ではありません. 空欄で出力しました."
std::string describeXmlExportIssue(const XmlExportIssue& issue);

}  // namespace kolv
