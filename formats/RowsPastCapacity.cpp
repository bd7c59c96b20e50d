#include "formats/RowsPastCapacity.h"

#include "platform/Cp932Codec.h"
#include "platform/MessageCatalogue.h"

#include <string_view>

namespace kolv {

namespace {

// The tables by the captions of the dialogs that edit them (UTF-8), in the
// order of TableKind.
constexpr std::array<std::string_view, tableKindCount> tableCaptions{
    "地質/色調", "Ｎ値", "観察記事",   "原位置試験", "試料",       "地質時代",
    "孔内水位",  "削孔", "回収比とqu", "自由記事",   "削孔の記録",
};

}  // namespace

RowsPastCapacity& RowsPastCapacity::operator+=(const RowsPastCapacity& other)
{
    for (std::size_t kind = 0; kind < counts.size(); ++kind)
        counts[kind] += other.counts[kind];
    return *this;
}

void reportRowsPastCapacity(const RowsPastCapacity& dropped, Issues& issues)
{
    for (int kind = 0; kind < tableKindCount; ++kind) {
        if (dropped.counts[kind] == 0)
            continue;
        const TableDescriptor& table = tableDescriptor(static_cast<TableKind>(kind));
        issues.push_back(
            issueOf(Message::RowsPastCapacity, MessageKind::Warning,
                    utf8ToCp932(std::string(tableCaptions[kind]) + " (最大 " + std::to_string(table.capacity) + " 行)"),
                    std::to_string(dropped.counts[kind])));
    }
}

}  // namespace kolv
