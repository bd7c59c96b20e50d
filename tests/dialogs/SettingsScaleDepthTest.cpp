#include "SettingsDialogTestSupport.h"

#include "dialogs/ScaleDepthModel.h"
#include "platform/MessageCatalogue.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::messageIds;
using kolv::test::SettingsInstallation;

namespace {

// A4 portrait paper, top margin 5, no free-notes box, 1:100.
struct A4Scale {
    SettingsInstallation install;
    ViewState view;

    A4Scale()
    {
        install.settings.topMargin = 5;
        install.settings.depthPerPage = 10;
        install.settings.pageOverlap = 0;
        view.paperWidth = 210;
        view.paperLength = 297;
        view.usableLength = 265;
    }
    ScaleDepthModel model() const { return ScaleDepthModel(install.settings, view, install.data); }
};

}  // namespace

TEST(SettingsScaleDepth, OpeningShowsWhatFitsTheNextPageAndTheSuggestedStart)
{
    A4Scale a4;
    a4.install.data.layerRows.setCell(1, 1, "23.5");
    a4.install.settings.pageOverlap = 1;
    a4.install.data.setHeadingLine(13, "3.25");
    ScaleDepthModel model = a4.model();
    EXPECT_EQ(model.value("largestDepth"), "19");
    EXPECT_EQ(model.value("lastPage"), "3");
    EXPECT_EQ(model.value("printStart"), "0.00");
    EXPECT_EQ(model.value("suggestion"), "-0.75");

    RecordingPrompter prompter;
    model.buttonPressed("copySuggestion", prompter);
    EXPECT_EQ(model.value("printStart"), "-0.75");

    a4.install.data.setHeadingLine(13, "3");
    EXPECT_EQ(a4.model().value("suggestion"), "-1.0 (0.0)");
    model = a4.model();
    model.buttonPressed("copySuggestion", prompter);
    EXPECT_EQ(model.value("printStart"), "-1.0");
    a4.install.data.setHeadingLine(36, "1");
    EXPECT_EQ(a4.model().value("suggestion"), "0.0");
}

TEST(SettingsScaleDepth, DepthScaleWithoutDrawingLengthSaysSo)
{
    A4Scale a4;
    ScaleDepthModel model = a4.model();
    RecordingPrompter prompter;
    model.setValue("vertical", "200");
    model.fieldLeft("vertical", prompter);
    EXPECT_EQ(model.value("largestDepth"), "45") << "225 mm at 1:200";
    EXPECT_TRUE(prompter.messages.empty());

    model.setValue("paperLength", "60");
    model.fieldLeft("vertical", prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, messageText(Message::NoDrawingLength));
    EXPECT_EQ(model.value("largestDepth"), "0");
}

TEST(SettingsScaleDepth, StartDepthAndExtraPagesAreHeldToTheirRanges)
{
    struct Case {
        const char* start;
        double startAfter;
        const char* option;
        const char* extra;
        int extraAfter;
    };
    const Case cases[] = {
        {"-25", -10.0, "-10", "1", 1},
        {"5000", 3000.0, "3000", "2", 2},
        {"abc", 0.0, "0", "3", 0},
        {"-0.75", -0.75, "-0.75", "x", 0},
    };
    for (const Case& c : cases) {
        A4Scale a4;
        ScaleDepthModel model = a4.model();
        model.setValue("printStart", c.start);
        model.setValue("extraPages", c.extra);
        RecordingPrompter prompter;
        const auto result = model.applyPass(a4.install.settings, a4.view, a4.install.data, prompter);
        EXPECT_TRUE(result.save);
        EXPECT_FALSE(result.repeat);
        EXPECT_DOUBLE_EQ(a4.install.settings.printStartDepth, c.startAfter) << c.start;
        EXPECT_DOUBLE_EQ(a4.view.screenPageStart, c.startAfter);
        EXPECT_EQ(a4.install.data.documentOption(16).value, c.option);
        EXPECT_EQ(a4.install.settings.forcedExtraPages, c.extraAfter) << c.extra;
    }
}

TEST(SettingsScaleDepth, CorrectionsReopenTheDialogAtMostThreeTimes)
{
    {  // Overlap as deep as the page: reset silently, shown again, then saved.
        A4Scale a4;
        ScaleDepthModel model = a4.model();
        model.setValue("overlap", "10");
        RecordingPrompter prompter;
        const auto outcome =
            runScaleDepthPasses(model, a4.install.settings, a4.view, a4.install.data, prompter, [] { return true; });
        EXPECT_EQ(outcome.passes, 2);
        EXPECT_TRUE(outcome.save);
        EXPECT_EQ(a4.install.settings.pageOverlap, 0);
        EXPECT_TRUE(prompter.messages.empty());
    }
    {  // 30 m on A4 at 1:100: about 19 m fit; the field becomes 19.
        A4Scale a4;
        ScaleDepthModel model = a4.model();
        model.setValue("depthPerPage", "30");
        RecordingPrompter prompter;
        const auto outcome =
            runScaleDepthPasses(model, a4.install.settings, a4.view, a4.install.data, prompter, [] { return true; });
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, messageText(Message::PageDepth, "19"));
        EXPECT_EQ(outcome.passes, 2);
        EXPECT_TRUE(outcome.save);
        EXPECT_EQ(a4.install.settings.depthPerPage, 19);
    }
    {  // A user who keeps typing 30: no fourth pass; the values are in effect, not saved.
        A4Scale a4;
        ScaleDepthModel model = a4.model();
        RecordingPrompter prompter;
        const auto outcome = runScaleDepthPasses(model, a4.install.settings, a4.view, a4.install.data, prompter, [&] {
            model.setValue("depthPerPage", "30");
            return true;
        });
        EXPECT_EQ(outcome.passes, scaleDialogPassLimit);
        EXPECT_FALSE(outcome.save);
        EXPECT_EQ(messageIds(prompter), "0 0 0");
        EXPECT_EQ(a4.install.settings.depthPerPage, 30);
    }
    {  // Cancel on the second showing keeps what the first pass applied.
        A4Scale a4;
        ScaleDepthModel model = a4.model();
        model.setValue("overlap", "12");
        model.setValue("horizontal", "200");
        RecordingPrompter prompter;
        int shown = 0;
        const auto outcome = runScaleDepthPasses(model, a4.install.settings, a4.view, a4.install.data, prompter,
                                                 [&] { return ++shown == 1; });
        EXPECT_EQ(outcome.passes, 2);
        EXPECT_FALSE(outcome.save);
        EXPECT_EQ(a4.install.settings.horizontalScale, 200);
    }
}

TEST(SettingsScaleDepth, NumberFieldsRefuseTextAndOutOfRangeValues)
{
    A4Scale a4;
    ScaleDepthModel model = a4.model();
    struct Case {
        const char* key;
        const char* text;
        const char* invalid;
        int id;
    };
    const Case cases[] = {
        {"horizontal", "24", "horizontal", messageId(Message::IntegerRange)},
        {"vertical", "501", "vertical", messageId(Message::IntegerRange)},
        {"vertical", "1/100", "vertical", messageId(Message::IntegerExpected)},
        {"depthPerPage", "abc", "depthPerPage", messageId(Message::IntegerExpected)},
        {"overlap", "11", "overlap", messageId(Message::IntegerRange)},
        {"horizontal", " 25 ", "", 0},
    };
    for (const Case& c : cases) {
        ScaleDepthModel edited = model;
        edited.setValue(c.key, c.text);
        RecordingPrompter prompter;
        EXPECT_EQ(edited.firstInvalidInteger(scaleDepthFields(), prompter), c.invalid) << c.text;
        EXPECT_EQ(prompter.messages.empty() ? 0 : prompter.messages[0].id, c.id);
    }
    RecordingPrompter prompter;
    ScaleDepthModel edited = model;
    edited.setValue("vertical", "24");
    edited.firstInvalidInteger(scaleDepthFields(), prompter);
    EXPECT_EQ(prompter.messages[0].text, messageText(Message::IntegerRange, "25", "500"));
}
