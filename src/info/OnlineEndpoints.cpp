#include "info/OnlineEndpoints.h"

#include "common/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

struct EndpointEntry {
    Endpoint Which;
    const char* SitePath;  // relative to the base location
    const char* HelpFile;  // the installed copy inside the help folder; "" = online only
};

const EndpointEntry kEndpoints[] = {
    {Endpoint::InfoText, "info.txt", ""},
    {Endpoint::Promotion, "promo.html", ""},
    {Endpoint::HomePage, "index.html", ""},
    {Endpoint::GeneralHelp, "help/index.html", "index.html"},
    {Endpoint::RandomHelp, "help/random.html", "random.html"},
};

const EndpointEntry& EntryOf(Endpoint endpoint)
{
    for (const EndpointEntry& entry : kEndpoints)
        if (entry.Which == endpoint)
            return entry;
    return kEndpoints[0];
}

// A base names a folder: its path ends in "/", so relative paths resolve
// inside it rather than beside it.
QUrl AsFolder(QUrl url)
{
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    return url;
}

std::optional<QUrl> UsableBase(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url = QUrl::fromUserInput(trimmed);
    const QString scheme = url.scheme();
    const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
                     && !url.host().isEmpty();
    if (!url.isValid() || !(web || url.isLocalFile()))
        return std::nullopt;
    return AsFolder(url);
}

} // namespace

// The copy of helpFile in helpDir, when it is there.
QUrl LocalCopy(const QString& helpDir, const QString& helpFile)
{
    if (helpFile.isEmpty() || helpDir.isEmpty())
        return {};
    const QFileInfo local(QDir(helpDir).filePath(helpFile));
    if (!local.isFile())
        return {};
    return QUrl::fromLocalFile(local.absoluteFilePath());
}

OnlineSettings ReadOnlineSettings(const IniFile& ini)
{
    const QString section = QStringLiteral("Online");
    OnlineSettings online;
    online.Base = UsableBase(ini.ReadString(section, QStringLiteral("Base"), QString()))
                      .value_or(QUrl());
    online.Check = ini.ReadInteger(section, QStringLiteral("Check"), 1) != 0;
    return online;
}

QUrl EndpointUrl(const OnlineSettings& online, Endpoint endpoint)
{
    if (!online.HasSite())
        return {};
    return online.Base.resolved(QUrl(QString::fromLatin1(EntryOf(endpoint).SitePath)));
}

QString PageLocation(const OnlineSettings& online, Endpoint endpoint, const QString& helpDir)
{
    if (endpoint == Endpoint::HomePage && !online.HasSite())
        return OfflineHelpPage(helpDir).toString();
    const QUrl local = LocalCopy(helpDir, QString::fromLatin1(EntryOf(endpoint).HelpFile));
    if (!local.isEmpty())
        return local.toString();
    return EndpointUrl(online, endpoint).toString();
}

QUrl OfflineHelpPage(const QString& helpDir)
{
    return LocalCopy(helpDir, QString::fromLatin1(EntryOf(Endpoint::GeneralHelp).HelpFile));
}

HelpLinks MakeHelpLinks(const OnlineSettings& online, const QString& helpDir)
{
    return {PageLocation(online, Endpoint::HomePage, helpDir),
            PageLocation(online, Endpoint::GeneralHelp, helpDir),
            PageLocation(online, Endpoint::RandomHelp, helpDir)};
}
