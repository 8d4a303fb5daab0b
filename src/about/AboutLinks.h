#pragma once

#include <QString>

// The maker's web pages that the About box opens. Kept here alone so that a
// change of address touches one line.
namespace AboutLinks {

inline QString HomePage()
{
    return QStringLiteral("https://drevani.example.org/");
}

inline QString MailingList()
{
    return QStringLiteral("https://drevani.example.org/mailing-list/");
}

} // namespace AboutLinks
