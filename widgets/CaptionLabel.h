// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace luna {

// A read-only label that announces each change of its caption.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QString caption() const;

    // Emits changed() before returning, but only when the caption really
    // changes: setting the text already shown announces nothing, so a
    // listener that redraws from the caption is not run twice for one value
    // (as at the end of a scroll bar drag).
    void setCaption(const QString& caption);

signals:
    void changed();
};

} // namespace luna
