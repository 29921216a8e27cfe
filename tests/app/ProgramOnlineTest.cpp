// The program itself, copied into a portable folder whose settings file
// points the site at a local server: the start-up check asks for the
// information file and the panel then loads the promotional page.
#include "info/LocalHttpServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Copies the program into a fresh folder with the given settings file.
QString PortableCopy(const QTemporaryDir& dir, const QByteArray& ini)
{
    const QString program = dir.filePath(QStringLiteral("shosu-drill"));
    QFile::copy(QStringLiteral(SHOSU_DRILL_PATH), program);
    QFile settings(dir.filePath(QStringLiteral("shosu-drill.ini")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(ini);
    return program;
}

TEST(ProgramOnlineTest, StartingAsksTheConfiguredSiteAndLoadsThePromotionalPage)
{
    LocalHttpServer server;
    server.Pages.insert("/info.txt", {200, "shosu-drill\n", "text/plain"});
    server.Pages.insert("/promo.html", {200, "<p>お知らせ</p>"});
    QTemporaryDir dir;
    const QString program =
        PortableCopy(dir, "[Online]\nBase=" + server.Base().toString().toUtf8() + "\n");

    QProcess process;
    process.setWorkingDirectory(dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program);
    ASSERT_TRUE(process.waitForStarted(10000));
    for (int i = 0; i < 300 && !server.Requested.contains("/promo.html"); ++i)
        QTest::qWait(50);  // serves the program's requests meanwhile
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(5000);
    EXPECT_TRUE(running) << process.readAllStandardError().toStdString();
    ASSERT_GE(server.Requested.size(), 2);
    EXPECT_EQ(server.Requested.mid(0, 2), (QStringList{"/info.txt", "/promo.html"}));
}

} // namespace
