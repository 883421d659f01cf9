// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/FieldControl.h"

#include <QImage>
#include <QLabel>

namespace lynvar {

// A picture held in a bytes field of the current record (any format the image readers know, JPEG
// among them). It is centred and keeps its proportions: a picture larger than the view is shrunk
// to fit; a smaller one is shown at its own size unless stretching is on. A field that holds no
// picture, or bytes that are not one, shows nothing.
class DBImage final : public QLabel, public FieldControl
{
    Q_OBJECT
public:
    explicit DBImage(QWidget *parent = nullptr);

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }
    bool isReadOnly() const { return readOnlyOption(); }

    // The picture shown, unscaled; null when none.
    const QImage &image() const { return m_image; }
    // Stores an encoded picture (the file's bytes) in the field as the user's change: the record
    // goes into editing (automatic edit). Does nothing when read-only or without a record.
    void storePicture(const QByteArray &encoded);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showRecord();
    void fit();

    QImage m_image;
    bool m_stretch = false;
};

} // namespace lynvar
