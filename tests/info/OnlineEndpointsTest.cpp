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

TEST(OnlineEndpointsTest, EveryEndpointLivesUnderTheDefaultSite)
{
    const OnlineSettings online = FromIni("[Page]\nTop=10\n");
    EXPECT_TRUE(online.Check);
    const QString base = DefaultSiteBase().toString();
    EXPECT_TRUE(base.startsWith(QStringLiteral("https://")));
    EXPECT_TRUE(base.endsWith(QLatin1Char('/')));
    EXPECT_EQ(At(online, Endpoint::InfoText), base + "info.txt");
    EXPECT_EQ(At(online, Endpoint::Promotion), base + "promo.html");
    EXPECT_EQ(At(online, Endpoint::HomePage), base + "index.html");
    EXPECT_EQ(At(online, Endpoint::GeneralHelp), base + "help/index.html");
    EXPECT_EQ(At(online, Endpoint::RandomHelp), base + "help/random.html");
}

TEST(OnlineEndpointsTest, BaseMovesEveryEndpointAndBadBasesFallBack)
{
    struct Case {
        const char* Ini;
        const char* InfoText;  // "" = the default site
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
    const QString defaultInfo = DefaultSiteBase().toString() + "info.txt";
    for (const Case& c : cases) {
        const OnlineSettings online = FromIni(c.Ini);
        const QString expected = *c.InfoText ? QString::fromUtf8(c.InfoText) : defaultInfo;
        EXPECT_EQ(At(online, Endpoint::InfoText), expected) << c.Ini;
    }
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
}

TEST(OnlineEndpointsTest, TheSiteFolderHoldsEveryEndpointAndEveryHelpPage)
{
    const QDir site(QStringLiteral(SHOSU_SOURCE_DIR "/site"));
    const OnlineSettings online{DefaultSiteBase(), true};
    for (Endpoint endpoint : {Endpoint::InfoText, Endpoint::Promotion, Endpoint::HomePage,
                              Endpoint::GeneralHelp, Endpoint::RandomHelp}) {
        const QString relative =
            EndpointUrl(online, endpoint).toString().mid(DefaultSiteBase().toString().size());
        EXPECT_TRUE(QFileInfo(site.filePath(relative)).isFile()) << relative.toStdString();
    }
    // the help folder as installed serves both help endpoints offline
    const HelpLinks links = MakeHelpLinks(online, site.filePath(QStringLiteral("help")));
    for (const QString& page : {links.GeneralHelp, links.RandomHelp})
        EXPECT_TRUE(QUrl(page).isLocalFile()) << page.toStdString();
}

} // namespace
