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
