// The size the user last gave the main sheet, kept beside the host's
// values in <config>/FidForge/fidforge.ini (group "Desktop").
#pragma once

#include <QSize>

namespace ff::gui {

// The stored size; an invalid size when none is stored.
QSize StoredSheetSize();
void StoreSheetSize(const QSize& size);
// Whether the sheet was left maximised (its size is then the one it goes
// back to).
bool StoredSheetMaximized();
void StoreSheetMaximized(bool maximized);

}  // namespace ff::gui
