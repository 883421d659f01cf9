// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

// The list title of a joke or recipe, derived from the plain text of its rich text (paragraphs
// joined by CR LF): the first line followed by one space, at most 49 characters in all; "error"
// for an empty text. Characters are taken from the first until a line feed, the 50th position or
// the text's last character, and the last one taken becomes a space.
QString deriveTitle(const QString &plainText);

// The same, from the stored rich text.
QString deriveTitleFromRichText(const QString &storedText);

} // namespace lynvar
