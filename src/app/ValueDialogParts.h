// Pieces both value-source windows share: the check-key group and the OK/cancel buttons.
#pragma once

#include "values/ValueDialogs.h"

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QGroupBox;

namespace tessaly::app {

// The group `gchecksum` holding the key list `cbtypechecksum` (returned through `list`).
QGroupBox* MakeKeyGroup(QWidget* parent, QComboBox*& list);
// Fills the key list with the offered entries, picks the stored one, hides the group when
// nothing but the empty entry is offered.
void ShowKeyChoice(QGroupBox* group, QComboBox* list, const values::KeyChoice& choice);
// `boutok` (default button, accepts) and `sretour` (rejects).
QDialogButtonBox* MakeOkCancel(QDialog* dialog);

} // namespace tessaly::app
