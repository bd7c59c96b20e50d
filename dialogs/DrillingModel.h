#pragma once
// The drilling dates dialog "削孔": the depth reached on a month/day, typed
// into the list cells only.
#include "dialogs/DataListModel.h"

namespace kolv {

class DrillingModel : public DataListModel {
public:
    enum Field { ShowInLog, Hint };

    DrillingModel(const BoringData& data, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    void choiceMade(int index) override;

private:
    void updateHint();
};

}  // namespace kolv
