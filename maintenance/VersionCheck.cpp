// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/VersionCheck.h"

#include "common/Error.h"
#include "common/IniFile.h"
#include "common/Shell.h"
#include "common/UserDialogs.h"
#include "maintenance/MaintenanceTexts.h"
#include "maintenance/MakerAddresses.h"

#include <QSaveFile>

namespace lynvar {
namespace {

const QString DefaultVersion = QStringLiteral("10000");

} // namespace

VersionCheck::VersionCheck(const QString &programFolder, IniFile &settings, Network &network, Shell &shell,
                           UserDialogs &dialogs, const MaintenanceTexts &texts)
    : m_programFolder(programFolder), m_settings(settings), m_network(network), m_shell(shell),
      m_dialogs(dialogs), m_texts(texts)
{
    m_limits.maxBytes = MaxVersionFileBytes;
}

int VersionCheck::versionNumber(const QString &text, const QString &where)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok)
        throw Error(QStringLiteral("The version number '%1' in %2 is not a whole number").arg(text, where));
    return number;
}

void VersionCheck::MenuNewVersionClick()
{
    const int installed = versionNumber(
        m_settings.readString(QStringLiteral("Install"), QStringLiteral("NamberVersion"), DefaultVersion),
        m_settings.fileName());
    const MakerAddresses maker = MakerAddresses::read(m_programFolder);

    // A failed fetch leaves the file empty, and the newest number falls back to the default.
    FetchLimits limits = m_limits;
    limits.maxBytes = std::min(limits.maxBytes, MaxVersionFileBytes);
    const FetchResult fetched = m_network.fetch(maker.versionFile(), limits);

    const QString localCopy = m_programFolder + QStringLiteral("/lastvers.ini");
    QSaveFile file(localCopy);
    if (!file.open(QIODevice::WriteOnly) || file.write(fetched.body) != fetched.body.size() || !file.commit())
        throw Error(QStringLiteral("Unable to write to %1").arg(localCopy));

    const IniFile remote(localCopy);
    const int newest = versionNumber(
        remote.readString(QStringLiteral("Version"), QStringLiteral("NamberVersion"), DefaultVersion),
        localCopy);
    if (newest <= installed)
        return;
    if (m_dialogs.askQuestion(m_texts.MessageNewVersionPerevirka, m_texts.MessageNewVersionTrue))
        (void)m_shell.openTarget(maker.downloadPage());
}

} // namespace lynvar
