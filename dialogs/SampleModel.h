#pragma once
// The samples dialog "試料": one row per sample interval. The test depths of
// the N-value table are offered as ready-made intervals and can be copied
// all at once; laboratory tests come from their master.
#include "dialogs/DataListModel.h"
#include "settings/LogSettings.h"

namespace kolv {

class SampleModel : public DataListModel {
public:
    enum Field { Upper, Lower, Number, Method, Disturbed, LabTests, ExchangeItems };
    enum PickList { TestDepths, LabTestNames };
    enum Action { CopyAllDepths };

    SampleModel(const BoringData& data, const LogSettings& settings, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    bool fieldEnabled(int index) const override;
    std::vector<std::string> pickLines(int list) const override;
    void pick(int list, int line) override;
    void trigger(int action) override;

    void copyAllDepths();

protected:
    bool checkFields(bool silent) override;
    TextRow listRowFromStore(const TextRow& storeRow) const override;

private:
    struct TestDepth {
        std::string depth;  // as stored
        double upper = 0;
        double lower = 0;
    };
    std::vector<TestDepth> testDepths_;
    std::vector<std::string> labTests_;
};

}  // namespace kolv
