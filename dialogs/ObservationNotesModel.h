#pragma once
// The observation notes dialog "観察記事": one row per depth interval with a
// multi-line note. The notes start from the layers when there are none yet;
// short texts of the notes master are appended to the note; the notes can
// be checked for full-width alphanumerics.
#include "dialogs/DataListModel.h"
#include "settings/LogSettings.h"

namespace kolv {

class ObservationNotesModel : public DataListModel {
public:
    enum Field { Upper, Lower, Note, Underline, Mark };
    enum PickList { ShortTexts };
    enum Action { FullWidthCheck };

    ObservationNotesModel(const BoringData& data, const LogSettings& settings, Prompter& prompter);
    void storeInto(BoringData& data) const override;
    std::vector<std::string> pickLines(int list) const override;
    void pick(int list, int line) override;
    void trigger(int action) override;

    // The full-width check of the notes, as its message shows it.
    std::string fullWidthReport() const;

protected:
    bool checkFields(bool silent) override;
    void fieldsToRow(TextRow& row) const override;
    bool inPlaceAllowed(int column) override;
    TextRow listRowFromStore(const TextRow& storeRow) const override;
    TextRow storeRowFromList(const TextRow& listRow) const override;

private:
    std::vector<std::string> shortTexts_;
};

// Note rows from the layers: each layer's interval from the layer above
// (0.0 for the first) with the underline set and an empty note.
std::vector<TextRow> notesSeededFromLayers(const BoringData& data);

}  // namespace kolv
