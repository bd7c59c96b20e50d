#include "dialogs/DocumentTextEntry.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kolv {
namespace {

using test::sjis;

TEST(DataTextEntry, OnlyTextWithACodePage932FormReachesTheStore)
{
    struct Case {
        QString typed;
        std::optional<std::string> stored;
        std::string message;
    };
    const Case cases[] = {
        {QStringLiteral("1.50"), "1.50", ""},
        {QString::fromUtf8("砂礫　ＡＢ①"), sjis("砂礫　ＡＢ①"), ""},
        {QStringLiteral("a\tb\r\nc"), "a\tb\r\nc", ""},
        {QString::fromUtf8("砂한"), std::nullopt, "シフトJISにない文字 (U+D55C) は入力できません."},
        {QString::fromUtf8("x\xF0\x9F\x98\x80"), std::nullopt, "シフトJISにない文字 (U+1F600) は入力できません."},
        {QString::fromUtf8("é"), std::nullopt, "シフトJISにない文字 (U+00E9) は入力できません."},
        {QString(QChar(0)) + "a", std::nullopt, "制御文字 (U+0000) は入力できません."},
        {QStringLiteral("a\x1b"), std::nullopt, "制御文字 (U+001B) は入力できません."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        RecordingPrompter prompter;
        EXPECT_EQ(documentTextOf(c.typed, prompter), c.stored);
        if (c.message.empty()) {
            EXPECT_TRUE(prompter.messages.empty());
        } else {
            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0].text, sjis(c.message));
        }
    }
    RecordingPrompter prompter;
    const std::optional<std::string> longText = documentTextOf(QString(100000, QChar(0x7802)), prompter);  // 砂
    ASSERT_TRUE(longText);
    EXPECT_EQ(longText->size(), 200000u);
}

}  // namespace
}  // namespace kolv
