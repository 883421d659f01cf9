// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace lynvar {

// The maker's web addresses, from section [Maker] of services.ini in the program folder: the web
// site (Site), the server of the version file (VersionServer), both as scheme and host, and the
// author's contact e-mail (Mail). The paths and query keys of the pages are the program's own.
struct MakerAddresses
{
    QString site;
    QString versionServer;
    QString mail;

    // Reads services.ini afresh; missing keys stay empty.
    static MakerAddresses read(const QString &programFolder);

    // Each throws lynvar::Error naming services.ini and the key when the address is missing or is
    // not an http or https address (mail: not an e-mail address).
    QString downloadPage() const; // the download page, also offered by the version check
    QString startPage() const;    // the site's start page, from the main menu
    QString aboutPage() const;    // the site, from the About window
    QString versionFile() const;  // the file that names the newest release
    QString mailLink() const;     // a new mail to the author about the program
    QString siteText() const;     // the site as the About window shows it (its host)
};

} // namespace lynvar
