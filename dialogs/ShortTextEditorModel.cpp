#include "dialogs/ShortTextEditorModel.h"

#include "data/Cp932Text.h"
#include "data/FullWidthCheck.h"
#include "platform/Cp932Codec.h"
#include "platform/FileIo.h"
#include "platform/MessageCatalogue.h"
#include "settings/InstallFolder.h"

#include <algorithm>
#include <utility>

namespace kolv {

namespace {

namespace Text {
inline constexpr std::string_view saved = "保存しました";
inline constexpr std::string_view fullWidthHeading = "全角英数字";
inline constexpr std::string_view fullWidthFound = "が含まれています";
inline constexpr std::string_view fullWidthNone = "\u3000無し";
inline constexpr std::string_view rowNumberSuffix = "行目";
inline constexpr std::string_view more = " ・・・";
}  // namespace Text

// A placeholder the previous version's files put where an entry was removed.
constexpr std::string_view removedEntry = "**";
constexpr int fullWidthRowsListed = 6;
constexpr std::size_t fullWidthTextBytes = 30;
constexpr std::size_t previousVersionNamesListed = 3;

}  // namespace

ShortTextEditorModel::ShortTextEditorModel(const LogSettings& settings, Prompter& prompter)
    : settings_(settings), prompter_(prompter)
{
    load(ShortTextMasterKind::Engineer);
}

const std::string& ShortTextEditorModel::path() const
{
    return shortTextMasterPath(settings_, file_);
}

bool ShortTextEditorModel::hasMarks() const
{
    return shortTextMasterInfo(file_).layout == ShortTextLayout::MarkAndText;
}

int ShortTextEditorModel::filledRows() const
{
    for (int row = rowCount; row >= 1; --row)
        if (!text(row).empty() || !mark(row).empty())
            return row;
    return 0;
}

void ShortTextEditorModel::selectRow(int row)
{
    selectedRow_ = row >= 1 && row <= rowCount ? row : 0;
}

void ShortTextEditorModel::load(ShortTextMasterKind kind)
{
    file_ = kind;
    ShortTextMaster master;
    Issues issues;
    loadShortTextMaster(settings_, kind, master, issues);
    showIssues(prompter_, issues);
    rows_ = master.entries;
    rows_.resize(rowCount);
    const int entries = static_cast<int>(master.entries.size());
    selectedRow_ = entries < rowCount ? entries + 1 : 0;
    modified_ = false;
    status_.clear();
    const std::string previous = previousVersionMasterPath(path());
    previousVersionAvailable_ = !previous.empty() && fileExists(hostPathOf(settings_, previous));
}

void ShortTextEditorModel::setModified()
{
    modified_ = true;
    status_.clear();
}

bool ShortTextEditorModel::chooseFile(ShortTextMasterKind kind)
{
    if (kind == file_)
        return true;
    if (modified_ && showMessage(prompter_, Message::SaveQuestion, MessageKind::Question) == Answer::Yes && !save())
        return false;
    load(kind);
    return true;
}

bool ShortTextEditorModel::cellEditable(int row, int column) const
{
    if (row < 1 || row > rowCount)
        return false;
    return column == TextColumn || (column == MarkColumn && hasMarks());
}

void ShortTextEditorModel::editCell(int row, int column, const std::string& value)
{
    if (!cellEditable(row, column))
        return;
    selectRow(row);
    ShortTextEntry& entry = rows_[static_cast<std::size_t>(row - 1)];
    std::string& cell = column == TextColumn ? entry.text : entry.mark;
    if (cell == value)
        return;
    cell = value;
    setModified();
}

void ShortTextEditorModel::insertRow()
{
    const int filled = filledRows();
    if (filled >= rowCount) {
        showMessage(prompter_, Message::NoMoreRows, MessageKind::Warning);
        return;
    }
    if (selectedRow_ < 1) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (selectedRow_ > filled) {
        showMessage(prompter_, Message::CannotSpecify, MessageKind::Warning);
        return;
    }
    insertEntryAt(selectedRow_, {});
    setModified();
}

void ShortTextEditorModel::insertEntryAt(int row, ShortTextEntry entry)
{
    // The row pushed out at the end is empty: callers insert only while the
    // filled part is shorter than the list.
    rows_.insert(rows_.begin() + (row - 1), std::move(entry));
    rows_.pop_back();
}

void ShortTextEditorModel::deleteRow()
{
    if (selectedRow_ < 1) {
        showMessage(prompter_, Message::SpecifyPosition, MessageKind::Warning);
        return;
    }
    if (!deleteConfirmed_) {
        if (showMessage(prompter_, Message::DeleteRowQuestion, MessageKind::Question) != Answer::Yes)
            return;
        deleteConfirmed_ = true;
    }
    const bool filled = selectedRow_ <= filledRows();
    rows_.erase(rows_.begin() + (selectedRow_ - 1));
    rows_.emplace_back();
    if (filled)
        setModified();
}

void ShortTextEditorModel::moveUp()
{
    if (selectedRow_ < 2)
        return;
    const bool filled = selectedRow_ <= filledRows();
    std::swap(rows_[static_cast<std::size_t>(selectedRow_ - 1)], rows_[static_cast<std::size_t>(selectedRow_ - 2)]);
    --selectedRow_;
    if (filled)
        setModified();
}

void ShortTextEditorModel::moveDown()
{
    if (selectedRow_ < 1 || selectedRow_ >= rowCount)
        return;
    const bool filled = selectedRow_ < filledRows();
    std::swap(rows_[static_cast<std::size_t>(selectedRow_ - 1)], rows_[static_cast<std::size_t>(selectedRow_)]);
    ++selectedRow_;
    if (filled)
        setModified();
}

std::string ShortTextEditorModel::fullWidthReport() const
{
    std::string report = utf8ToCp932(Text::fullWidthHeading);
    int hits = 0;
    for (int row = 1; row <= filledRows() && hits < fullWidthRowsListed; ++row) {
        if (!containsFullWidthAlphanumeric(text(row)))
            continue;
        if (++hits == 1)
            report += utf8ToCp932(Text::fullWidthFound) + "\n";
        report += "(" + std::to_string(row) + utf8ToCp932(Text::rowNumberSuffix) + ") "
            + std::string(cutToBytes(text(row), fullWidthTextBytes)) + "  \n";
    }
    if (hits == 0)
        report += utf8ToCp932(Text::fullWidthNone);
    return report;
}

void ShortTextEditorModel::checkFullWidth()
{
    prompter_.show(0, fullWidthReport(), MessageKind::Information);
}

bool ShortTextEditorModel::listHolds(const std::string& value) const
{
    return std::any_of(rows_.begin(), rows_.end(), [&](const ShortTextEntry& row) { return row.text == value; });
}

void ShortTextEditorModel::mergePreviousVersion()
{
    if (!previousVersionAvailable_)
        return;
    ShortTextMaster previous;
    Issues issues;
    if (!loadShortTextMasterFrom(settings_, previousVersionMasterPath(path()), shortTextMasterInfo(file_).layout,
                                 previous, issues)) {
        showIssues(prompter_, issues);
        return;
    }
    std::vector<std::string> added;
    bool full = false;
    for (std::size_t index = 0; index < previous.entries.size(); ++index) {
        const ShortTextEntry& entry = previous.entries[index];
        if (entry.text.empty() || entry.text == removedEntry || listHolds(entry.text))
            continue;
        const int filled = filledRows();
        if (filled >= rowCount) {
            full = true;
            break;
        }
        // An entry keeps its place of the old file while that place lies
        // inside the list; the others follow the last row.
        const int position = static_cast<int>(index) + 1;
        insertEntryAt(position <= filled ? position : filled + 1, entry);
        added.push_back(entry.text);
    }
    if (!added.empty())
        setModified();
    if (full)
        showMessage(prompter_, Message::NoMoreRows, MessageKind::Warning);
    if (added.empty()) {
        showMessage(prompter_, Message::PreviousVersionNothing, MessageKind::Information);
        return;
    }
    std::string names;
    for (std::size_t i = 0; i < added.size() && i < previousVersionNamesListed; ++i)
        names += (i == 0 ? "" : "\n") + added[i];
    if (added.size() > previousVersionNamesListed)
        names += utf8ToCp932(Text::more);
    showMessage(prompter_, Message::PreviousVersionAdded, MessageKind::Information, std::to_string(added.size()),
                names);
}

bool ShortTextEditorModel::save()
{
    ShortTextMaster master;
    master.layout = shortTextMasterInfo(file_).layout;
    master.entries = rows_;
    Issues issues;
    const bool saved = saveShortTextMaster(settings_, file_, master, issues);
    showIssues(prompter_, issues);
    if (saved) {
        modified_ = false;
        status_ = utf8ToCp932(Text::saved);
    }
    return saved;
}

bool ShortTextEditorModel::accept()
{
    if (!modified_)
        return true;
    if (showMessage(prompter_, Message::SaveQuestion, MessageKind::Question) != Answer::Yes)
        return true;
    return save();
}

bool ShortTextEditorModel::cancel()
{
    return !modified_ || showMessage(prompter_, Message::CancelWithChanges, MessageKind::Question) == Answer::Yes;
}

}  // namespace kolv
