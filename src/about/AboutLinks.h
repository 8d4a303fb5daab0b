#pragma once

#include <QString>

// The maker's web pages that the About box opens. Kept here alone so that a
// change of address touches one line.
namespace AboutLinks {

inline QString homePage()
{
    return QStringLiteral("https://drevani.example.org/");
}

inline QString mailingList()
{
    return QStringLiteral("https://drevani.example.org/mailing-list/");
}

} // namespace AboutLinks
