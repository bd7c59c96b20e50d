// The PDF export draws the same pages as kolv-cli render for the same file
// and paper, and a failed export leaves the target as it was.
#include "WindowFixture.h"

#include "app/DocumentManager.h"
#include "app/PagePrinting.h"
#include "document/LogDocument.h"
#include "platform/FileIo.h"
#include "app/Startup.h"

#include <cstdlib>
#include <regex>

namespace kolv::test {
namespace {

int pdfPageCount(const std::string& bytes)
{
    const std::regex page("/Type\\s*/Page[^s]");
    return static_cast<int>(
        std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator()));
}

int cliPageCount(const std::string& file, const char* paper, const std::string& output)
{
    const std::string command = std::string(KOLV_CLI_PATH) + " render '" + file + "' -o '" + output + "' --paper "
        + paper + " > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return -1;
    return pdfPageCount(readFile(output));
}

TEST_F(WindowTest, PdfExportHasThePagesOfTheCommandLineRender)
{
    struct Case {
        const char* sample;
        const char* paper;
        const char* paperSetting;  // Sys.ndx line 9: 0 = A3, 1 = A4 (line 0 is the header)
    };
    for (const Case& c :
         {Case{"harbour.vla", "A3", "0"}, Case{"harbour.vla", "A4", "1"}, Case{"inland.vla", "A4", "1"}}) {
        SCOPED_TRACE(std::string(c.sample) + " " + c.paper);
        // The paper defaults of the settings put the printer on the paper
        // before the metres per page are worked out from it.
        TemporaryFolder root;
        writePaperDefaults(root.path(), "1", c.paperSetting, "0");
        frame = std::make_unique<MainWindow>(prompter, chooser);
        ASSERT_TRUE(
            startMainFrame(*frame, {QString::fromStdString(sample(c.sample))}, root.path(), KOLV_BUNDLED_INSTALL_DIR));
        const int pages = preparePrinting(frame->document(), paperOf(frame->printer()));
        const std::string target = work.file(std::string(c.paper) + "-" + c.sample + ".pdf");
        ASSERT_TRUE(frame->exportPdf(QString::fromStdString(target), 1, pages));
        const int expected = cliPageCount(sample(c.sample), c.paper, work.file("cli.pdf"));
        EXPECT_GT(expected, 0);
        EXPECT_EQ(pdfPageCount(readFile(target)), expected);
        EXPECT_EQ(pages, expected);
        frame.reset();
    }
}

TEST_F(WindowTest, TheStatusOfAnExportIsClearedWhenAnotherFileOpens)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    ASSERT_TRUE(frame->exportPdf(QString::fromStdString(work.file("status.pdf")), 1, 1));
    EXPECT_TRUE(frame->statusMessage().startsWith(QStringLiteral("PDFに出力しました")));
    ASSERT_TRUE(frame->lifecycle().openPath(sample("inland.vla")));
    EXPECT_EQ(frame->statusMessage(), QString());
}

TEST_F(WindowTest, PdfExportOfAPageRangeAndItsFailure)
{
    ASSERT_TRUE(start({QString::fromStdString(sample("harbour.vla"))}));
    const int pages = preparePrinting(frame->document(), paperOf(frame->printer()));
    ASSERT_GE(pages, 2);
    const std::string target = work.file("range.pdf");
    ASSERT_TRUE(frame->exportPdf(QString::fromStdString(target), 2, 2));
    EXPECT_EQ(pdfPageCount(readFile(target)), 1);
    // After the job the screen is on page 1 again.
    EXPECT_EQ(frame->document().view().currentPage, 1);
    EXPECT_FALSE(frame->document().view().printing);

    prompter.messages.clear();
    EXPECT_FALSE(frame->exportPdf(QString::fromStdString(work.file("missing-folder/out.pdf")), 1, 1));
    EXPECT_EQ(messageIds(), std::vector<int>{4005});

    // A cancelled job gives no bytes at all, so nothing is written.
    EXPECT_TRUE(
        pdfOfPages(frame->document(), PaperSize{297, 420}, 1, pages, [](int done) { return done < 1; }).empty());
}

}  // namespace
}  // namespace kolv::test
