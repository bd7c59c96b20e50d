#include "formats/XmlText.h"

namespace kolv {

PreparedXml prepareXmlText(std::string_view)
{
    return {};
}

}  // namespace kolv
