// SPDX-License-Identifier: GPL-3.0-or-later
// The window from the keyboard: the tab order, Enter and Escape, the buttons, Exit.
#include "Form1Fixture.h"

class TestKeyboard : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void tabVisitsThirteenControlsAndWraps()
    {
        const QStringList expected{"vl", "pw",       "cw",       "w3",       "wit",      "lengh", "thi",
                                   "ct", "Command1", "Command4", "Command2", "Command3", "mat"};
        QStringList visited;
        for (int i = 0; i < 13; ++i) {
            tabFrom(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusedName();
        }
        QCOMPARE(visited, expected);

        QStringList back;
        for (int i = 0; i < 13; ++i) {
            tabFrom(QApplication::focusWidget(), Qt::Key_Backtab);
            back << focusedName();
        }
        QStringList reversed{expected.crbegin() + 1, expected.crend()};
        reversed << "mat";
        QCOMPARE(back, reversed);
    }

    void disabledFieldTakesNoFocus()
    {
        QTest::mouseClick(edit("spec"), Qt::LeftButton);
        QCOMPARE(focusedName(), QStringLiteral("mat"));
    }

    void enterAndEscapeRunNothing()
    {
        typeTypicalParameters();
        type("wit", "10");
        for (const char* name : {"vl", "pw", "cw", "w3", "wit"}) {
            QTest::keyClick(edit(name), Qt::Key_Return);
            QTest::keyClick(edit(name), Qt::Key_Enter);
            QTest::keyClick(edit(name), Qt::Key_Escape);
        }
        mat()->setFocus();
        QTest::keyClick(mat(), Qt::Key_Return);
        QTest::keyClick(mat(), Qt::Key_Escape);
        QVERIFY(edit("thi")->text().isEmpty());
        QVERIFY(m_messages->warnings.isEmpty());
        QVERIFY(m_form->isVisible());
    }

    void focusedButtonIsClickedBySpaceAndEnter_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }

    void focusedButtonIsClickedBySpaceAndEnter()
    {
        QFETCH(int, key);
        button("Command1")->setFocus();
        QTest::keyClick(button("Command1"), Qt::Key(key));
        QCOMPARE(m_messages->warnings.size(), 6);
    }

    // A button acts when it is released over itself: a press alone does nothing yet, and sliding off before
    // the release does nothing at all.
    void buttonsActOnReleaseOverThemselves_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("slideOff");
        QTest::newRow("Calculate! released over it") << "Command1" << false;
        QTest::newRow("Calculate! slid off") << "Command1" << true;
        QTest::newRow("Exit released over it") << "Command3" << false;
        QTest::newRow("Exit slid off") << "Command3" << true;
    }

    void buttonsActOnReleaseOverThemselves()
    {
        QFETCH(QString, name);
        QFETCH(bool, slideOff);
        QPushButton* pushed = button(name);
        const auto acted = [&] { return !m_messages->warnings.isEmpty() || !m_form->isVisible(); };
        QTest::mousePress(pushed, Qt::LeftButton);
        QVERIFY2(!acted(), "it acted on the press");
        QPoint at = pushed->rect().center();
        if (slideOff) {
            at = QPoint(pushed->width() / 2, -20);
            QTest::mouseMove(pushed, at);
            QVERIFY(!pushed->isDown());
        }
        QTest::mouseRelease(pushed, Qt::LeftButton, {}, at);
        QCOMPARE(acted(), !slideOff);
    }

    void exitClosesTheWindow()
    {
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(!m_form->isVisible());
        QVERIFY(m_messages->warnings.isEmpty());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
