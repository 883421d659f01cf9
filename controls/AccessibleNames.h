// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace lynvar {

// Gives every list, grid and text field under `root` that shows no caption of its own the name a
// screen reader reads for it: the label that stands for it, or the title of the group it sits in,
// or, for a grid, its columns' titles. A name set by hand stays; a name given here is given anew on
// the next run, so that it follows captions that changed (another interface language).
void nameUnnamedControls(QWidget *root);

} // namespace lynvar
