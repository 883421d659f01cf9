// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

// Rich text as the memo fields store it: RTF documents held as (ASCII) text.
namespace lynvar::rtf {

// Whether the text is an RTF document; anything else is shown as plain text.
[[nodiscard]] bool isRtf(QStringView text);

// Replaces the document's content with the RTF (or plain) text, as an unmodified document
// without undo history. Damaged RTF gives whatever could be read from it.
void readInto(QTextDocument &document, QStringView text);

// The document as RTF; ASCII only.
[[nodiscard]] QString write(const QTextDocument &document);

// The text without formatting, paragraphs joined by CR LF; a final \par adds no empty line.
[[nodiscard]] QString plainText(QStringView text);

} // namespace lynvar::rtf
