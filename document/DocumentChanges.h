#pragma once
// What a change of the document touched, so that a view repaints only on what
// concerns it.
#include <QFlags>

namespace kolv {

enum class DocumentChange {
    Data = 1,      // the store
    Settings = 2,  // the settings, masters or fonts
    Path = 4,      // the file name
    Modified = 8,  // the modified flag
    Page = 16,     // the shown page
};
Q_DECLARE_FLAGS(DocumentChanges, DocumentChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(DocumentChanges)

inline constexpr DocumentChanges everyDocumentChange = DocumentChanges(0x1f);

}  // namespace kolv
