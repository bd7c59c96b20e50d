#pragma once
// Every message of this system, with its string-table id and its text, in
// one place: what the libraries hand back, what the dialogs ask and what the
// window says. Texts are the system's own; "%1" and "%2" stand for values
// filled in when the message is made (a file path, a number, a key name).
#include "platform/Issue.h"
#include "platform/Prompter.h"

#include <string>

namespace kolv {

enum class Message {
    // Files
    FileNotFound,
    CannotOpen,
    CannotOpenDeliveryFile,  // a folder management file (BORING.XML) is no document
    SaveFailed,
    PathSaveFailed,  // a master file named by its path
    UnknownDtdVersion,
    XmlEndsEarly,      // %1: the file
    XmlNotWellFormed,  // %1: the file, %2: what is wrong
    RowsPastCapacity,  // %1: the table and its capacity, %2: how many rows
    TooManyCsv,        // a line longer than the sister programs read
    CannotCreateFont,
    NotStandardExtension,

    // The masters
    SameData,      // a master file with equal entries
    SameDataPair,  // a printf format: two rows, the text and the mark
    SaveQuestion,
    DeleteRowQuestion,
    CannotSpecify,
    PreviousVersionAdded,  // %1: how many, %2: their names
    PreviousVersionNothing,
    GoAheadWithoutNumber,
    DataMissing,
    DeleteSelectedRow,
    BitmapNotFound,  // %1: the bitmap file
    // The version of the soil-name master is written after the first line
    // only, and the programs read it from the first "[第" line: a list that
    // starts elsewhere would load as no master at all.
    FirstRowNotSectionHeader,

    // Values typed into the dialogs
    CancelWithChanges,
    EditInField,
    CannotAdd,
    AtCapacity,
    NoDataOrInvalid,
    CannotOverwrite,
    OverwriteOutOfRange,
    OverwriteNotFound,  // %1: the key name
    DuplicateOnAdd,     // %1: the key name
    UnusualWaterLevel,
    AllPatternsFound,
    CopyDuplicateDepth,  // %1: the depth
    InSituDuplicateDepth,
    NoMoreRows,
    NotForAlternation,
    AbnormalNumber,
    UnsuitableInput,
    SameDepthHeader,  // heads the list of depths entered twice
    FrameHeightUnusual,
    MissingPatterns,             // heads the list of missing pattern files
    CharacterNotAllowed,         // %1: the character
    ControlCharacterNotAllowed,  // %1: the character
    PasteStopped,                // %1: the row number
    PendingRow,                  // OK with typed values the list does not hold
    EmptySoilName,               // %1: the depths of layers without a soil name
    NoData,
    SpecifyPosition,
    SameName,
    WidthTooLarge,
    IntegerExpected,
    IntegerRange,  // %1 and %2: the smallest and the largest value
    ScaleStartDepth,
    ScaleStartElevation,
    NoDrawingLength,
    PageDepth,  // %1: metres
    PathAbnormal,
    FooterOffPaper,    // %1: the position in millimetres
    ViewerNotStarted,  // %1: the help file

    // The window
    CloseQuestion,
    DeliveryNotOpened,       // %1: the folder, %2: why
    DeliveryLogsExist,       // %1: how many of the PDFs are there already
    DeliveryLogsNotWritten,  // %1: the boreholes whose logs could not be written
    DiscardQuestion,         // new and open ask it before the changes go
    SaveHint,
    ExchangeFileIssues,      // heads the values the exchange file could not keep
    ExchangeFileMoreIssues,  // %1: how many more
    ScreenDrawingOff,
    ScreenDrawingOn,
};

// The string-table id of a message; 0 for a message without one.
int messageId(Message message);

// The text (code page 932) with "%1" replaced by value. A text that is a
// printf format ("%2d") is read through this form and keeps its "%2".
std::string messageText(Message message, const std::string& value = {});
// The text with "%1" replaced by value and "%2" by secondValue.
std::string messageText(Message message, const std::string& value, const std::string& secondValue);

// The message as an issue of the given kind.
Issue issueOf(Message message, MessageKind kind, const std::string& value = {});
Issue issueOf(Message message, MessageKind kind, const std::string& value, const std::string& secondValue);

// Shows the message through the prompter and returns the answer.
Answer showMessage(Prompter& prompter, Message message, MessageKind kind, const std::string& value = {});
Answer showMessage(Prompter& prompter, Message message, MessageKind kind, const std::string& value,
                   const std::string& secondValue);

}  // namespace kolv
