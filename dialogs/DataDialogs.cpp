#include "dialogs/DataDialogs.h"

#include "dialogs/DrillingModel.h"
#include "dialogs/FreeNotesModel.h"
#include "dialogs/FullWidthCheckDialog.h"
#include "dialogs/GeologyModel.h"
#include "dialogs/InSituModel.h"
#include "dialogs/ListTableForm.h"
#include "dialogs/NValueModel.h"
#include "dialogs/ObservationNotesModel.h"
#include "dialogs/RecoveryModel.h"
#include "dialogs/SampleModel.h"
#include "dialogs/WaterLevelModel.h"
#include "document/LogDocument.h"

#include <memory>

namespace kolv {

namespace {

// The data menu's command ids.
namespace DataCommand {
constexpr int Geology = 1010;
constexpr int NValue = 32775;
constexpr int Notes = 32776;
constexpr int Samples = 32780;
constexpr int Recovery = 32773;
constexpr int WaterLevel = 32771;
constexpr int InSitu = 32779;
constexpr int Drilling = 32772;
constexpr int FreeNotes = 32774;
constexpr int FullWidthCheck = 32782;
}  // namespace DataCommand

std::unique_ptr<DataListModel> makeModel(int commandId, const BoringData& data, const LogSettings& settings,
                                         Prompter& prompter)
{
    switch (commandId) {
    case DataCommand::Geology:
        return std::make_unique<GeologyModel>(data, settings, prompter);
    case DataCommand::NValue:
        return std::make_unique<NValueModel>(data, prompter);
    case DataCommand::Notes:
        return std::make_unique<ObservationNotesModel>(data, settings, prompter);
    case DataCommand::Samples:
        return std::make_unique<SampleModel>(data, settings, prompter);
    case DataCommand::Recovery:
        return std::make_unique<RecoveryModel>(data, settings.maxBlowsCopy, prompter);
    case DataCommand::WaterLevel:
        return std::make_unique<WaterLevelModel>(data, prompter);
    case DataCommand::InSitu:
        return std::make_unique<InSituModel>(data, settings, prompter);
    case DataCommand::Drilling:
        return std::make_unique<DrillingModel>(data, prompter);
    case DataCommand::FreeNotes:
        return std::make_unique<FreeNotesModel>(data, prompter);
    default:
        return nullptr;
    }
}

}  // namespace

DialogOutcome runDataDialog(int commandId, LogDocument& document, Prompter& prompter, QWidget* parent)
{
    if (commandId == DataCommand::FullWidthCheck) {
        FullWidthCheckDialog dialog(document.data(), parent);
        dialog.exec();
        return DialogOutcome::Accepted;
    }
    std::unique_ptr<DataListModel> model = makeModel(commandId, document.data(), document.settings(), prompter);
    if (!model)
        return DialogOutcome::NotAvailable;
    const LogSettings& settings = document.settings();
    ListTableForm form(*model, {settings.enterKeyMode, settings.scrollToLastRow != 0}, prompter, parent);
    if (form.exec() != QDialog::Accepted)
        return DialogOutcome::Cancelled;
    // One undo step holds the table and the switches and heading lines the
    // dialog edits with it.
    BoringData edited = document.data();
    model->storeInto(edited);
    document.pushEdit(QString::fromStdString(model->dialogTable().caption), edited);
    return DialogOutcome::Accepted;
}

}  // namespace kolv
