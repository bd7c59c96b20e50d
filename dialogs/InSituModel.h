#pragma once
// The in-situ test dialog "原位置試験": one row per test depth with the test
// name, its result, a symbol for the section drawing, the position of the
// notes against the depth line and display flags. A second test at a depth
// already listed may be added after a question.
#include "dialogs/DataListModel.h"
#include "settings/LogSettings.h"

namespace kolv {

class InSituModel : public DataListModel {
public:
    enum Field {
        Depth,
        DepthLine,
        DepthShown,
        Name,
        NoteLine,
        Result,
        Symbol,
        Position,
        Word,
        NotesColumn,
        DepthBelow
    };
    enum PickList { NameTexts, ResultTexts };

    InSituModel(const BoringData& data, const LogSettings& settings, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    std::vector<std::string> pickLines(int list) const override;
    void pick(int list, int line) override;
    void leaveField(int index) override;
    void choiceMade(int index) override;

    static constexpr int defaultWord = 7;

protected:
    bool addDuplicate(int duplicateRow) override;
    void fieldsToRow(TextRow& row) const override;
    void rowToFields(const TextRow& row) override;
    void clearFields() override;
    TextRow listRowFromStore(const TextRow& storeRow) const override;
    TextRow storeRowFromList(const TextRow& listRow) const override;

private:
    void setFlagBoxes(long word);
    std::vector<std::string> testNames_;
};

}  // namespace kolv
