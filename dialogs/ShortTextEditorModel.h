#pragma once
// The short-text master editor ("編集 技術者ほかの短文"): one of the nine
// short-text masters at a time in a list of 80 rows, edited in place and
// written only by "保存" (or by the save question when another file is
// chosen or OK is pressed). The form shows what this model holds.
#include "platform/Prompter.h"
#include "settings/ShortTextMaster.h"

#include <string>
#include <vector>

namespace kolv {

class ShortTextEditorModel {
public:
    static constexpr int rowCount = ShortTextMaster::capacity;
    enum Column { TextColumn = 1, MarkColumn = 2 };

    // Opens on the engineers' master ("技術者").
    ShortTextEditorModel(const LogSettings& settings, Prompter& prompter);

    // The file being edited, its number on the form (1 to 9) and its path.
    ShortTextMasterKind file() const { return file_; }
    int fileNumber() const { return static_cast<int>(file_) + 1; }
    const std::string& path() const;
    // Whether the file carries a mark before each text.
    bool hasMarks() const;

    // The list, rows from 1 to 80.
    const std::string& text(int row) const { return rows_[static_cast<std::size_t>(row - 1)].text; }
    const std::string& mark(int row) const { return rows_[static_cast<std::size_t>(row - 1)].mark; }
    // The filled part of the list: rows 1 to the last row with a text or a mark.
    int filledRows() const;
    int selectedRow() const { return selectedRow_; }  // 0: none
    void selectRow(int row);
    bool modified() const { return modified_; }
    // "保存しました" after a save, empty otherwise (code page 932).
    const std::string& status() const { return status_; }
    // "Ver.2": the previous version's master of this file exists.
    bool previousVersionAvailable() const { return previousVersionAvailable_; }

    // Another radio of "編集ファイル": after changes asks "保存しますか\u3000"
    // (Yes saves, No drops them), then loads the file. A save that fails
    // keeps the current file and its changes; false then.
    bool chooseFile(ShortTextMasterKind kind);

    // The in-place cell editor: whether it may open on the cell (the mark
    // column only in files that have marks), and its text going back.
    bool cellEditable(int row, int column) const;
    void editCell(int row, int column, const std::string& text);

    // The buttons.
    void insertRow();             // 挿入
    void deleteRow();             // 削除
    void moveUp();                // ↑
    void moveDown();              // ↓
    void checkFullWidth();        // 全角英数字検査
    void mergePreviousVersion();  // Ver.2
    bool save();                  // 保存

    // OK: after changes asks "保存しますか\u3000" (Yes saves, No drops them);
    // true when the dialog may close.
    bool accept();
    // キャンセル: after changes asks whether the changes may be dropped; true
    // when the dialog may close.
    bool cancel();

    // The report of "全角英数字検査" (code page 932).
    std::string fullWidthReport() const;

private:
    void load(ShortTextMasterKind kind);
    void setModified();
    bool listHolds(const std::string& text) const;
    void insertEntryAt(int row, ShortTextEntry entry);

    const LogSettings& settings_;
    Prompter& prompter_;
    ShortTextMasterKind file_ = ShortTextMasterKind::Engineer;
    std::vector<ShortTextEntry> rows_;
    int selectedRow_ = 0;
    bool modified_ = false;
    bool deleteConfirmed_ = false;
    bool previousVersionAvailable_ = false;
    std::string status_;
};

}  // namespace kolv
