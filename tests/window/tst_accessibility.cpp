// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers hear: the figures written where the focus is not.
#include "Form1Fixture.h"

class TestAccessibility : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // Figures written into fields without the focus reach a screen reader as one notification.
    void figuresWrittenAreAnnounced_data()
    {
        // After the typical parameters: field, text, ... typed; or "pick" and a material; or "Reset All".
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("spoken"); // empty: nothing announced
        QTest::newRow("width case") << QStringList{"wit", "10"}
                                    << "Length 15.00 mm, total height 5.80 mm, weight 9.75 ct, "
                                       "pavilion 4.30 mm, crown 1.50 mm";
        QTest::newRow("length case") << QStringList{"lengh", "15"}
                                     << "Width 10.00 mm, total height 5.80 mm, weight 9.75 ct, "
                                        "pavilion 4.30 mm, crown 1.50 mm";
        QTest::newRow("weight case") << QStringList{"ct", "9.75"}
                                     << "Width 10.00 mm, length 15.00 mm, total height 5.80 mm, "
                                        "pavilion 4.30 mm, crown 1.50 mm";
        QTest::newRow("height case") << QStringList{"thi", "5.8"}
                                     << "Width 10.00 mm, length 15.00 mm, weight 9.75 ct, "
                                        "pavilion 4.30 mm, crown 1.50 mm";
        QTest::newRow("material pick") << QStringList{"pick", "Agate"} << "Density 2.6";
        QTest::newRow("two targets: nothing written, nothing said") << QStringList{"wit", "10", "ct", "9"} << "";
        QTest::newRow("all empty: the warnings speak") << QStringList{"Reset All"} << "";
    }

    void figuresWrittenAreAnnounced()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, spoken);
        typeTypicalParameters();
        type("vl", "1.5");
        const bool pick = typed.first() == QLatin1String("pick");
        if (typed.first() == QLatin1String("Reset All"))
            QTest::mouseClick(button("Command2"), Qt::LeftButton);
        else if (!pick)
            for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
                type(typed[i], typed[i + 1]);
        QWidget* announcement = control("announcement");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcement);
        QCOMPARE(accessible->role(), QAccessible::Notification);
        const QString before = accessible->text(QAccessible::Name);

        static QList<std::pair<QObject*, QAccessible::Event>> events;
        events.clear();
        const auto record = [](QAccessibleEvent* event) { events.append({event->object(), event->type()}); };
        const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(record);
        const auto restore = qScopeGuard([&] { QAccessible::installUpdateHandler(previous); });
        QWidget* focused = QApplication::focusWidget();
        if (pick) {
            pickFromList(typed.at(1));
        } else {
            focused = button("Command1");
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Space);
        }
        // Events reach the handler only while an accessibility bridge is active, as under a screen reader;
        // the offscreen platform has none. The run on a real X server with an accessibility bus must have one.
        QVERIFY(QAccessible::isActive() || !qEnvironmentVariableIsSet("TAVELON_TEST_BRIDGE"));
        if (QAccessible::isActive()) {
            // One event for it, of the kind this desktop's bridge speaks: Orca speaks a notification
            // shown, UI Automation's bridge raises a value change as a notification.
            const QAccessible::Event heardAs = QGuiApplication::platformName() == QLatin1String("windows")
                                                   ? QAccessible::ValueChanged
                                                   : QAccessible::ObjectShow;
            QList<QAccessible::Event> kinds;
            for (const auto& [object, kind] : events)
                if (object == announcement)
                    kinds << kind;
            QCOMPARE(kinds, spoken.isEmpty() ? QList<QAccessible::Event>{} : QList<QAccessible::Event>{heardAs});
        }
        QCOMPARE(accessible->text(QAccessible::Name), spoken.isEmpty() ? before : spoken);
        QCOMPARE(QApplication::focusWidget(), focused);

        // Heard, not seen: it takes no place in the tab order and draws no pixel.
        QCOMPARE(announcement->focusPolicy(), Qt::NoFocus);
        QVERIFY(announcement->isVisible());
        const QImage shown = m_form->grab().toImage();
        announcement->hide();
        QCOMPARE(m_form->grab().toImage(), shown);
        announcement->show();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
