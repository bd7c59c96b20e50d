#include "formats/OpenDocument.h"
#include "render/LogPage.h"
#include "support/TestSupport.h"
#include "TextColumnFixture.h"

#include <gtest/gtest.h>

using namespace kolv;
using kolv::test::PageFixture;
using kolv::test::sjis;
using Kind = RecordedPrimitive::Kind;

// dense.vla (made by make_dense.py): a 300 m borehole with every table close
// to its capacity, drawn page by page as printing does.
TEST(TextColumnDense, EveryPageOfAFullBoreholeIsDrawn)
{
    PageFixture page;
    page.settings.depthPerPage = 30;
    const std::string path = std::string(KOLV_FIXTURE_DIR) + "/render/text/dense.vla";
    ASSERT_EQ(openDocumentFile(path, page.data, page.settings.soilNameMaster, page.issues), OpenStatus::Opened);
    ASSERT_EQ(occupiedRowCount(page.data.sptRows), 290);
    ASSERT_EQ(occupiedRowCount(page.data.observationRows), 190);
    ASSERT_EQ(occupiedRowCount(page.data.freeNoteRows), 24);

    page.prepare();
    const int notesLeft = page.deviceX(page.column(9) + 0.2);
    const int pages = pageCount(page.settings, maximumDepth(page.data));
    ASSERT_EQ(pages, 10);
    for (int p = 1; p <= pages; ++p) {
        RecordingDevice device(254);
        PageOptions options;
        options.page = p;
        EXPECT_TRUE(drawPage(device, page.data, page.settings, options).empty()) << "page " << p;

        // The notes of a page follow each other down the column.
        int previousTop = -1000000;
        int notes = 0;
        for (const RecordedPrimitive& note : device.drawnWrappedTexts()) {
            if (note.rect.left != notesLeft)
                continue;
            EXPECT_GT(note.rect.top, previousTop) << "page " << p;
            previousTop = note.rect.top;
            ++notes;
        }
        EXPECT_GT(notes, 0) << "page " << p;
        EXPECT_EQ(device.textsEqualTo(sjis("自由記事1（頁0）")).size(), 1u) << "page " << p;
        for (int notePage = 1; notePage <= 12; ++notePage) {
            const std::string text =
                sjis("自由記事") + std::to_string(notePage + 12) + sjis("（頁") + std::to_string(notePage) + sjis("）");
            EXPECT_EQ(device.textsEqualTo(text).size(), notePage == p ? 1u : 0u) << "page " << p;
        }
        EXPECT_EQ(device.textsEqualTo("(" + std::to_string(p) + ")").size(), 1u) << "page " << p;
    }
}
