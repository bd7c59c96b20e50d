#include "SettingsTestSupport.h"

#include "data/BoringData.h"
#include "platform/Issue.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsText.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kolv;
using kolv::test::InstallationFixture;
using kolv::test::sjis;

namespace {

LogSettings loadedSettings(const InstallationFixture& install)
{
    LogSettings settings = install.settings();
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    return settings;
}

}  // namespace

// A settings dialog edits a copy of the values and keeps it only when OK
// finds it changed; what it saves must read back as the same values.
TEST(SettingsValues, AnEditedCopyDiffersAndReadsBackEqualFromTheSettingsFile)
{
    InstallationFixture install;
    const LogSettings settings = loadedSettings(install);
    const struct {
        const char* why;
        std::function<void(SettingsValues&)> edit;
    } cases[] = {
        {"integer line", [](SettingsValues& values) { values.innerLineWidth += 3; }},
        {"text line", [](SettingsValues& values) { values.companyName = sjis("港湾調査株式会社"); }},
        {"master path", [](SettingsValues& values) { values.notesMasterPath = "C:\\Other\\K.mst"; }},
        {"option default", [](SettingsValues& values) { values.documentOptionDefaults[3] = "15"; }},
        {"last integer line", [](SettingsValues& values) { values.scrollToLastRow = 1; }},
    };
    for (const auto& c : cases) {
        SettingsValues edited = settings.values();
        EXPECT_EQ(edited, settings.values()) << c.why;
        c.edit(edited);
        EXPECT_NE(edited, settings.values()) << c.why;

        LogSettings reread = settings;
        applySettingsLines(reread, settingsLines(settingsFileText(edited)));
        EXPECT_EQ(reread.values(), edited) << c.why;
    }
}
