#pragma once
// The recovery ratio and qu dialog "回収比とqu": one row per sampled interval
// with the core recovery and up to four qu values, and the scale of the qu
// graph. The sample intervals are offered as ready-made depth pairs.
#include "dialogs/DataListModel.h"

namespace kolv {

class RecoveryModel : public DataListModel {
public:
    enum Field { Upper, Lower, Recovery, IntervalLength, Qu1, Qu2, Qu3, Qu4, ScaleFrom, ScaleTo, ScaleStep, Legend };
    enum PickList { SampleDepths };

    // divisionCount: the graph division count of the style settings.
    RecoveryModel(const BoringData& data, int divisionCount, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    std::vector<std::string> pickLines(int list) const override;
    void pick(int list, int line) override;
    void enterField(int index) override;
    void leaveField(int index) override;

private:
    std::vector<std::pair<double, double>> sampleDepths_;
    int divisionCount_;
};

}  // namespace kolv
