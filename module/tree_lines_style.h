// Dotted lines from each tree item to its parent and siblings, with a boxed
// +/- to open and close it, as trees with lines look on the desktop the
// module comes from (Qt's own styles draw arrows and no lines).
#pragma once

class QTreeView;

namespace ff::gui {

// Gives `tree` the connecting lines (the style is shared by all trees).
void DrawTreeLines(QTreeView* tree);

}  // namespace ff::gui
