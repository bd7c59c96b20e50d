#include "data/RoleCaptions.h"

#include "data/Cp932Text.h"
#include "platform/Cp932Codec.h"

namespace kolv {

bool fillDefaultRoleCaptions(BoringData& data)
{
    for (int role = 0; role < HeadingLine::RoleCount; ++role)
        if (!skipLeadingBlanks(data.headingLine(HeadingLine::FirstRoleCaption + role)).empty())
            return false;
    for (int role = 0; role < HeadingLine::RoleCount; ++role)
        data.setHeadingLine(HeadingLine::FirstRoleCaption + role, utf8ToCp932(defaultRoleCaptions[role]));
    return true;
}

}  // namespace kolv
