// SPDX-FileCopyrightText: 2026 The Luna developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionLabel.h"

namespace luna {

QString CaptionLabel::caption() const
{
    return text();
}

void CaptionLabel::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    emit changed();
}

} // namespace luna
