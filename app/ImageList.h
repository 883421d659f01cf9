// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <utility>

namespace lynvar {

// The pictures of the main tool bar, at the positions the tool buttons name them by.
enum ToolImage : int
{
    ToolImageBold,
    ToolImageItalic,
    ToolImageUnderline,
    ToolImageAlignLeft,
    ToolImageAlignCenter,
    ToolImageAlignRight,
    ToolImagePaste,
    ToolImageCopy,
    ToolImageCut,
    ToolImageNew,
    ToolImageEdit,
    ToolImageSave,
    ToolImageFont,
    ToolImageExportText,
    ToolImageWidgets,
    ToolImageUkrainian,
    ToolImageRussian,
    ToolImageCount
};

// The two status pictures of the places list.
enum StatusImage : int
{
    StatusImageUnticked,
    StatusImageTicked,
    StatusImageCount
};

// An indexed list of pictures of one size. The pictures are drawn, not loaded, so none can be
// missing; each icon draws sharply at any size and greys itself when disabled.
class ImageList
{
public:
    ImageList() = default;
    ImageList(QSize size, QList<QIcon> icons) : m_size(size), m_icons(std::move(icons)) {}

    int count() const { return int(m_icons.size()); }
    QSize size() const { return m_size; }
    QIcon icon(int index) const;     // a null icon outside the list
    QPixmap pixmap(int index) const; // at the list's size; a null pixmap outside the list

private:
    QSize m_size;
    QList<QIcon> m_icons;
};

// The tool bar's pictures, indexed by ToolImage (16 x 16).
ImageList toolImages();
// The places list's status pictures, indexed by StatusImage (16 x 16).
ImageList placeStatusImages();

// The standard commands number their pictures in the toolkit's stock order (bold is 31, cut is 0,
// ...). This gives the tool bar picture drawn for a stock number, or -1 when there is none.
int toolImageForStockImage(int stockImage);

} // namespace lynvar
