#include "settings/PatternBitmapCache.h"

#include <utility>

namespace kolv {

std::shared_ptr<const MonochromeBitmap> PatternBitmapCache::bitmap(const std::string& folder, long number,
                                                                   const Reader& read)
{
    // Reading under the lock keeps two threads from reading the same file;
    // the files are small and read once.
    const std::lock_guard<std::mutex> lock(mutex_);
    if (folder != folder_) {
        bitmaps_.clear();
        folder_ = folder;
    }
    const auto found = bitmaps_.find(number);
    if (found != bitmaps_.end())
        return found->second;
    std::shared_ptr<const MonochromeBitmap> result;
    MonochromeBitmap decoded;
    if (read(decoded))
        result = std::make_shared<const MonochromeBitmap>(std::move(decoded));
    bitmaps_.emplace(number, result);
    return result;
}

void PatternBitmapCache::clear()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    bitmaps_.clear();
    folder_.clear();
}

}  // namespace kolv
