// The tests' way of acting on a modal dialog fails cleanly: a dialog that
// never shows, or an action that throws, is a failure of the test and never
// holds it until ctest's timeout or unwinds through Qt's event loop.
#include "SettingsDialogTestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>

#include <stdexcept>

using namespace kolv::test;

TEST(ModalDialogHelper, ActsOnTheDialogOrFailsCleanly)
{
    ensureApplication();
    {
        QDialog dialog;
        bool acted = false;
        whenModalDialogShows([&acted](QDialog& shown) {
            acted = true;
            shown.accept();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_TRUE(acted);
    }
    EXPECT_NONFATAL_FAILURE(
        {
            QDialog dialog;
            whenModalDialogShows([](QDialog&) { throw std::runtime_error("a broken script"); });
            EXPECT_EQ(dialog.exec(), QDialog::Rejected);
        },
        "a broken script");
    EXPECT_NONFATAL_FAILURE(
        {
            whenModalDialogShows([](QDialog&) {}, 50);
            QTest::qWait(300);
        },
        "no modal dialog showed within 50 ms");
}
