#pragma once
// The pattern bitmaps read so far from the pattern folder. Drawing a log
// tiles the same few bitmaps in every layer of every page, on every repaint;
// each is read and decoded once, and a number whose file is missing or
// unreadable is remembered as such rather than looked for again. The cache
// holds the bitmaps of one folder: asking for another folder (the pattern
// folder or the monochrome set changed) empties it, and so does a reload of
// the reference data, which is how a changed file is picked up.
//
// The copies of the settings share one cache (the files of a command run,
// drawn side by side on several threads), so every use is under a lock.
#include "data/MonochromeBitmap.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace kolv {

class PatternBitmapCache {
public:
    // Reads the bitmap of a number into its argument; false when there is none.
    using Reader = std::function<bool(MonochromeBitmap&)>;

    // The bitmap of number in folder, read by read the first time it is
    // asked for; nullptr when read found none, then and later.
    std::shared_ptr<const MonochromeBitmap> bitmap(const std::string& folder, long number, const Reader& read);

    // Forgets every bitmap, so that the next request reads its file again.
    void clear();

private:
    std::mutex mutex_;
    std::string folder_;
    std::map<long, std::shared_ptr<const MonochromeBitmap>> bitmaps_;
};

}  // namespace kolv
