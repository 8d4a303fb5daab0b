#pragma once

#include <QString>

// The letter that, pressed with Alt, activates a control with this caption,
// lower-cased; empty when the caption marks none. Only the first two
// ampersands that are not part of a doubled "&&" pair are looked at.
QString accessKeyOf(const QString &caption);
