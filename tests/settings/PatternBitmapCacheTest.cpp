// The pattern bitmaps kept with the reference data: each file is read once,
// a missing one is not looked for again, and the cache empties when its
// folder changes or the reference data is loaded again.
#include "SettingsTestSupport.h"

#include "data/BoringData.h"
#include "platform/Issue.h"
#include "settings/PatternBitmapCache.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace kolv {
namespace {

// A reader that counts its calls and finds a bitmap (as wide as its number)
// for even numbers only.
struct CountingReader {
    std::atomic<int> reads{0};

    PatternBitmapCache::Reader forNumber(long number)
    {
        return [this, number](MonochromeBitmap& bitmap) {
            ++reads;
            if (number % 2 != 0)
                return false;
            bitmap.width = static_cast<int>(number);
            return true;
        };
    }
};

TEST(PatternBitmapCache, EachNumberIsReadOnceFoundOrNot)
{
    PatternBitmapCache cache;
    CountingReader reader;
    for (int round = 0; round < 3; ++round) {
        for (long number : {2L, 3L, 4L}) {
            const auto bitmap = cache.bitmap("C:\\Jbptn", number, reader.forNumber(number));
            if (number % 2 == 0) {
                ASSERT_TRUE(bitmap);
                EXPECT_EQ(bitmap->width, number);
            } else {
                EXPECT_FALSE(bitmap) << "a missing file stays missing until the cache empties";
            }
        }
    }
    EXPECT_EQ(reader.reads, 3);
}

TEST(PatternBitmapCache, AnotherFolderOrClearingReadsTheFilesAgain)
{
    PatternBitmapCache cache;
    CountingReader reader;
    const auto ask = [&](const std::string& folder, long number) {
        cache.bitmap(folder, number, reader.forNumber(number));
    };
    ask("C:\\Jbptn", 2);
    ask("C:\\Jbptn", 3);
    ask("C:\\Jbptn01", 2);
    EXPECT_EQ(reader.reads, 3) << "the monochrome set is another folder";
    ask("C:\\Jbptn", 2);
    EXPECT_EQ(reader.reads, 4) << "only one folder is kept";
    cache.clear();
    ask("C:\\Jbptn", 2);
    ask("C:\\Jbptn", 3);
    EXPECT_EQ(reader.reads, 6);
}

TEST(PatternBitmapCache, CopiesOfTheSettingsDrawingSideBySideShareOneReadOfEachFile)
{
    const LogSettings session;
    CountingReader reader;
    constexpr long numbers = 40;
    std::vector<std::vector<const MonochromeBitmap*>> found(4, std::vector<const MonochromeBitmap*>(numbers));
    std::vector<std::thread> threads;
    for (std::size_t thread = 0; thread < found.size(); ++thread) {
        threads.emplace_back([&, thread] {
            const LogSettings settings = session;
            for (long number = 0; number < numbers; ++number)
                found[thread][number] =
                    settings.patternBitmaps->bitmap("C:\\Jbptn", number, reader.forNumber(number)).get();
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(reader.reads, numbers);
    for (long number = 0; number < numbers; number += 2)
        for (const auto& byThread : found)
            EXPECT_EQ(byThread[number], found[0][number]) << number;
}

TEST(PatternBitmapCache, LoadingTheReferenceDataAgainEmptiesIt)
{
    const test::InstallationFixture install;
    LogSettings settings = install.settings();
    BoringData data;
    Issues issues;
    loadSettings(settings, data, false, issues);
    CountingReader reader;
    const auto ask = [&] { settings.patternBitmaps->bitmap(settings.patternFolder, 2, reader.forNumber(2)); };
    ask();
    loadSettings(settings, data, false, issues);
    ask();
    EXPECT_EQ(reader.reads, 1) << "a document refresh keeps the bitmaps";
    loadSettings(settings, data, true, issues);
    ask();
    EXPECT_EQ(reader.reads, 2);
}

}  // namespace
}  // namespace kolv
