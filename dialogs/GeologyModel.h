#pragma once
// The geology and colour-tone dialog "地質/色調": one row per layer, keyed
// by the depth of its lower boundary. Names are typed or composed from the
// lists of the soil-name master (modifiers, qualifiers and alternations
// "互層"), colours from the colour-tone master.
#include "dialogs/DataListModel.h"
#include "settings/LogSettings.h"

namespace kolv {

class GeologyModel : public DataListModel {
public:
    enum Field {
        Depth,
        DepthLine,
        Name,
        NameLine,
        Auxiliary,
        AuxiliaryLine,
        Colour,
        ColourLine,
        Pattern1,
        Pattern1Line,
        Pattern2,
        Pattern2Line,
        Symbol,
        Word,
        Percent1,
        Percent2,
        Delimiter,
        DepthShown,
        NameShown,
        AuxiliaryShown,
        NameAlternation,
        AuxiliaryAlternation,
        AuxiliarySymbol,
        Special
    };
    enum PickList { WholeNames, Modifiers, Qualifiers, BaseNames, Colours };
    enum Action { PatternCheck };

    GeologyModel(const BoringData& data, const LogSettings& settings, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    bool fieldEnabled(int index) const override;
    std::vector<std::string> pickLines(int list) const override;
    void pick(int list, int line) override;
    void trigger(int action) override;
    void enterField(int index) override;
    void choiceMade(int index) override;

    // The default display-flag word of new input.
    static constexpr int defaultWord = 247;

protected:
    TextRow listRowFromStore(const TextRow& storeRow) const override;
    TextRow storeRowFromList(const TextRow& listRow) const override;
    void fieldsToRow(TextRow& row) const override;
    void rowToFields(const TextRow& row) override;
    void clearFields() override;
    bool confirmNewRow() override;
    bool readyToStore() override;
    TextRow pastedRow(const std::vector<std::string>& cells, const TextRow& target) override;

private:
    struct MasterLine {
        std::string name;
        std::string symbol;
        long number = 0;
        int digit = 0;
    };
    struct Group {
        Field name, pattern, symbol, alternation;
    };
    const Group& activeGroup() const;
    void clearGroup(const Group& group);
    void setFlagBoxes(int word);
    void pickWhole(const MasterLine& line, bool toActiveSymbol);
    void pickQualifier(const MasterLine& line);
    void pickBase(const MasterLine& line);
    void pickAlternation(const MasterLine& line);
    void chooseSpecialSetting();
    void checkPatterns();

    const LogSettings& settings_;
    std::vector<MasterLine> lines_[4];
    std::vector<std::string> colours_;
    // The layers as the dialog opened, and the depths of new layers whose
    // empty soil name the user has accepted: only new layers are asked about.
    std::vector<TextRow> openedRows_;
    std::vector<std::string> acceptedWithoutName_;
    bool auxiliaryActive_ = false;
    int alternationPicks_ = 0;
};

}  // namespace kolv
