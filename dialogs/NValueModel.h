#pragma once
// The N-value dialog "Ｎ値": standard penetration tests, one row per test
// depth. The N value is typed (30 cm kind) or computed from the blow counts
// of the three 10 cm stages (10 cm kind); the next test depth is proposed
// from the depth increment.
#include "dialogs/DataListModel.h"

namespace kolv {

// The N text of three stage counts ("12" or blows "/" cm each): "%2d" of
// the blow total (limited to -9..999) when the penetration adds up to 30 cm,
// else "%2d/%d" with the total penetration; empty when no stage is numeric.
std::string nValueFromStages(const std::string& first, const std::string& second, const std::string& third);

class NValueModel : public DataListModel {
public:
    enum Field { Depth, NValue, Stage1, Stage2, Stage3, NoJoin, Kind, Increment };
    enum KindChoice { ThirtyCentimetre = 0, TenCentimetre = 1 };

    NValueModel(const BoringData& data, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    bool fieldEnabled(int index) const override;
    void choiceMade(int index) override;

    bool tenCentimetreKind() const { return field(Kind) == "1"; }

protected:
    void fieldsToRow(TextRow& row) const override;
    void rowClicked(int row) override;
    void afterAdd(bool added) override;
    int navigation(int column) const override;
    std::string inPlaceDefault(int row, int column) const override;

private:
    double increment() const;
};

}  // namespace kolv
