#include "formats/XmlReader.h"

namespace kolv {

void readXmlLine(BoringData&, XmlReaderState&, std::string_view)
{
}

}  // namespace kolv
