// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast wish as the desktop portal keeps it, read from a fake portal on a private session bus (run
// under dbus-run-session): the appearance's key, GNOME's key where the portal does not know that one, a
// value wrapped once or twice, no portal or a slow one (no wish, and start-up never waits), and a change
// while the program runs.
#include "platform/Contrast.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using platform::ContrastWish;
Q_DECLARE_METATYPE(platform::ContrastWish)

class TestContrast : public QObject
{
    Q_OBJECT

    QProcess* m_portal = nullptr;

    void startPortal(const QStringList& arguments)
    {
        m_portal = new QProcess;
        m_portal->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_portal->start(QStringLiteral(TAVELON_FAKE_PORTAL), arguments);
        QVERIFY(m_portal->waitForStarted(30000));
        QByteArray said; // gathered: the macro asks again once it holds
        QTRY_VERIFY_WITH_TIMEOUT((said += m_portal->readAllStandardOutput()).contains("ready") ||
                                     m_portal->state() == QProcess::NotRunning,
                                 30000);
        QCOMPARE(m_portal->state(), QProcess::Running);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"), "run under dbus-run-session");
    }

    void cleanup()
    {
        if (m_portal) {
            m_portal->kill();
            m_portal->waitForFinished();
        }
        delete m_portal;
        m_portal = nullptr;
    }

    void wishAsThePortalSaysIt_data()
    {
        QTest::addColumn<bool>("portal");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ContrastWish>("wish");
        const ContrastWish more = ContrastWish::More, none = ContrastWish::None;
        QTest::newRow("contrast 1, as GNOME 48") << true << QStringList{"--contrast", "1"} << more;
        QTest::newRow("contrast 0") << true << QStringList{"--contrast", "0"} << none;
        QTest::newRow("contrast 1 wrapped once") << true << QStringList{"--contrast", "1", "--wrap", "1"} << more;
        QTest::newRow("NotFound, then GNOME's key true, as GNOME 43") << true << QStringList{"--gnome", "true"} << more;
        QTest::newRow("NotFound, then GNOME's key false") << true << QStringList{"--gnome", "false"} << none;
        QTest::newRow("GNOME's key wrapped once") << true << QStringList{"--gnome", "true", "--wrap", "1"} << more;
        QTest::newRow("neither key") << true << QStringList{} << none;
        QTest::newRow("no portal on the bus") << false << QStringList{} << none;
        QTest::newRow("a portal slower than the time-out")
            << true << QStringList{"--contrast", "1", "--slow", "4000"} << none;
    }

    void wishAsThePortalSaysIt()
    {
        QFETCH(bool, portal);
        QFETCH(QStringList, arguments);
        QFETCH(ContrastWish, wish);
        if (portal)
            startPortal(arguments);
        if (QTest::currentTestFailed())
            return;
        const auto setting = platform::systemContrast();
        QSignalSpy answered(setting.get(), &platform::ContrastSetting::changed);
        // Nothing is waited for: until the answer arrives, there is no wish.
        QCOMPARE(setting->contrast().wish, ContrastWish::None);
        QCOMPARE(answered.count(), 0);
        // Answered, even without a portal or by a slow one, within the second the program gives it.
        QTRY_VERIFY_WITH_TIMEOUT(answered.count() > 0, 3000);
        QCOMPARE(setting->contrast().wish, wish);
    }

    void wishChangedWhileRunning_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("on");
        QTest::addColumn<QByteArray>("off");
        QTest::newRow("the appearance's contrast")
            << QStringList{"--contrast", "0"} << QByteArray("contrast 1\n") << QByteArray("contrast 0\n");
        QTest::newRow("GNOME's key") << QStringList{"--gnome", "false"} << QByteArray("gnome true\n")
                                     << QByteArray("gnome false\n");
    }

    void wishChangedWhileRunning()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, on);
        QFETCH(QByteArray, off);
        startPortal(arguments);
        if (QTest::currentTestFailed())
            return;
        const auto setting = platform::systemContrast();
        QSignalSpy changed(setting.get(), &platform::ContrastSetting::changed);
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() == 1, 3000);
        QCOMPARE(setting->contrast().wish, ContrastWish::None);
        m_portal->write(on);
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() == 2, 10000);
        QCOMPARE(setting->contrast().wish, ContrastWish::More);
        m_portal->write(off);
        QTRY_VERIFY_WITH_TIMEOUT(changed.count() == 3, 10000);
        QCOMPARE(setting->contrast().wish, ContrastWish::None);
    }
};

QTEST_GUILESS_MAIN(TestContrast)
#include "tst_contrast.moc"
