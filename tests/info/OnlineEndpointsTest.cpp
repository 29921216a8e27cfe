// The endpoint table: every endpoint relative to one base, the "Online"
// section of the settings file, and offline copies of the help pages.
#include "common/IniFile.h"
#include "info/OnlineEndpoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

OnlineSettings FromIni(const QByteArray& text)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shosu-drill.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    return ReadOnlineSettings(IniFile(path));
}

QString At(const OnlineSettings& online, Endpoint endpoint)
{
    return EndpointUrl(online, endpoint).toString();
}

TEST(OnlineEndpointsTest, WithoutABaseThereIsNoSiteToAsk)
{
    const OnlineSettings online = FromIni("[Page]\nTop=10\n");
    EXPECT_TRUE(online.Check);
    EXPECT_FALSE(online.HasSite());
    for (Endpoint endpoint : {Endpoint::InfoText, Endpoint::Promotion, Endpoint::HomePage,
                              Endpoint::GeneralHelp, Endpoint::RandomHelp})
        EXPECT_TRUE(EndpointUrl(online, endpoint).isEmpty());
}

TEST(OnlineEndpointsTest, BaseMovesEveryEndpointAndBadBasesMeanNoSite)
{
    struct Case {
        const char* Ini;
        const char* InfoText;  // "" = no site
    };
    const Case cases[] = {
        {"[Online]\nBase=http://school.example/shosu/\n", "http://school.example/shosu/info.txt"},
        // a folder without its final "/" is still the folder
        {"[online]\nbase=http://school.example/shosu\n", "http://school.example/shosu/info.txt"},
        {"[Online]\nBase=school.example\n", "http://school.example/info.txt"},
        {"[Online]\nBase=\"https://a.example:8443/x/\"\n", "https://a.example:8443/x/info.txt"},
        {"[Online]\nBase=file:///srv/site\n", "file:///srv/site/info.txt"},
        {"[Online]\nBase=\n", ""},
        {"[Online]\nBase=ftp://files.example/\n", ""},
        {"[Online]\nBase=javascript:alert(1)\n", ""},
        {"[Online]\nBase=http://\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(At(FromIni(c.Ini), Endpoint::InfoText), QString::fromUtf8(c.InfoText)) << c.Ini;
    const OnlineSettings moved = FromIni("[Online]\nBase=http://school.example/shosu\n");
    EXPECT_EQ(At(moved, Endpoint::RandomHelp), "http://school.example/shosu/help/random.html");
}

TEST(OnlineEndpointsTest, CheckIsOnUnlessZero)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"[Online]\nCheck=1\n", true},
        {"[Online]\nCheck=0\n", false},
        {"[Online]\nCheck= 0 \n", false},
        {"[Online]\nCheck=off\n", true},  // not an integer: the default
    };
    for (const auto& [ini, check] : cases)
        EXPECT_EQ(FromIni(ini).Check, check) << ini;
}

TEST(OnlineEndpointsTest, HelpPagesUseTheInstalledCopyWhenItExists)
{
    const OnlineSettings online = FromIni("[Online]\nBase=http://school.example/\n");
    QTemporaryDir help;
    QFile page(help.filePath(QStringLiteral("random.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    const HelpLinks links = MakeHelpLinks(online, help.path());
    EXPECT_EQ(links.RandomHelp, QUrl::fromLocalFile(page.fileName()).toString());
    // no installed copy of the general page: the site's
    EXPECT_EQ(links.GeneralHelp, "http://school.example/help/index.html");
    // the home page is always the site's
    EXPECT_EQ(links.HomePage, "http://school.example/index.html");

    const HelpLinks online2 = MakeHelpLinks(online, QString());
    EXPECT_EQ(online2.RandomHelp, "http://school.example/help/random.html");

    // Without a site: the installed copies, and the home page is the offline
    // help; what is not installed is not there at all.
    const HelpLinks offline = MakeHelpLinks(OnlineSettings{}, help.path());
    EXPECT_EQ(offline.RandomHelp, QUrl::fromLocalFile(page.fileName()).toString());
    EXPECT_TRUE(offline.GeneralHelp.isEmpty());
    EXPECT_TRUE(offline.HomePage.isEmpty());
    EXPECT_TRUE(OfflineHelpPage(help.path()).isEmpty());
}

TEST(OnlineEndpointsTest, TheSiteFolderHoldsEveryEndpointAndEveryHelpPage)
{
    const QDir site(QStringLiteral(SHOSU_SOURCE_DIR "/site"));
    const OnlineSettings online{QUrl(QStringLiteral("https://school.example/shosu/")), true};
    for (Endpoint endpoint : {Endpoint::InfoText, Endpoint::Promotion, Endpoint::HomePage,
                              Endpoint::GeneralHelp, Endpoint::RandomHelp}) {
        const QString relative = EndpointUrl(online, endpoint).toString().mid(online.Base.toString().size());
        EXPECT_TRUE(QFileInfo(site.filePath(relative)).isFile()) << relative.toStdString();
    }
    // the help folder as installed serves both help endpoints offline, and
    // the panel's page without a site
    const QString help = site.filePath(QStringLiteral("help"));
    const HelpLinks links = MakeHelpLinks(online, help);
    for (const QString& page : {links.GeneralHelp, links.RandomHelp})
        EXPECT_TRUE(QUrl(page).isLocalFile()) << page.toStdString();
    EXPECT_EQ(OfflineHelpPage(help).toString(), links.GeneralHelp);
    EXPECT_EQ(MakeHelpLinks(OnlineSettings{}, help).HomePage, links.GeneralHelp);
}

} // namespace
