#pragma once
// The water level dialog "孔内水位": one row per measurement, the level
// signed against the ground (below ground negative). Rows keep the order the
// user gives them with "↑" / "↓"; the title block's water level, its date
// and the elevation switch are edited here too.
#include "dialogs/DataListModel.h"

namespace kolv {

class WaterLevelModel : public DataListModel {
public:
    enum Field {
        Level,
        LevelShown,
        Date,
        DateShown,
        Remark,
        Placement,
        HeadingLevel,
        HeadingDate,
        Elevation,
        ElevationShown,
        CollarElevation
    };
    enum Action { MoveUp, MoveDown };

    WaterLevelModel(const BoringData& data, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    void trigger(int action) override;
    void enterField(int index) override;
    void leaveField(int index) override;

    // The flag word of a row: 1 level shown, 2 date shown, 4 / 8 / 16 placement.
    static int flagWord(bool levelShown, bool dateShown, int placement);

protected:
    bool checkFields(bool silent) override;
    bool keyFieldAcceptable(bool silent) override;
    void formatKeyField() override;
    void fieldsToRow(TextRow& row) const override;
    void rowToFields(const TextRow& row) override;
    void clearFields() override;
    void rowClicked(int row) override;
    std::vector<TextRow> orderedRowsForStore() override;
    TextRow listRowFromStore(const TextRow& storeRow) const override;
    TextRow storeRowFromList(const TextRow& listRow) const override;

private:
    void updateElevation();
    void moveRow(int by);

    std::string collarElevation_;
    int lastEnteredField_ = -1;
};

}  // namespace kolv
