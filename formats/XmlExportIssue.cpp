#include "formats/XmlExportIssue.h"

#include "data/Number.h"
#include "platform/Cp932Codec.h"

namespace kolv {

std::string describeXmlExportIssue(const XmlExportIssue& issue)
{
    std::string place = issue.table + " " + utf8ToCp932(formatText("%d行目", issue.row));
    if (issue.cell > 0)
        place += " " + utf8ToCp932(formatText("%d列", issue.cell));
    return place + utf8ToCp932("「") + issue.value + utf8ToCp932("」: ") + issue.problem;
}

}  // namespace kolv
