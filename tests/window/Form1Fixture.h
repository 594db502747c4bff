// SPDX-License-Identifier: GPL-3.0-or-later
// What every window test shares: a fresh window for each test function, driven as a user drives it, a
// message service that records the warnings, and a watchdog that fails the test on a dialog that service
// did not expect.
#pragma once

#include "core/CalcState.h"
#include "core/Calculate.h"
#include "platform/Contrast.h"
#include "platform/DialogFont.h"
#include "platform/MessageService.h"
#include "platform/Theme.h"
#include "window/Form1.h"
#include "window/Layout.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

// With `holding` set, warnings are pressed away only when pressAway() says so, as in a page.
class RecordingMessages final : public platform::MessageService
{
public:
    void warn(QWidget*, const QString& text) override { warnings << text; }
    void afterWarnings(std::function<void()> then) override
    {
        if (holding && !warnings.isEmpty())
            held.push_back(std::move(then));
        else
            then();
    }
    void pressAway()
    {
        for (const auto& then : std::exchange(held, {}))
            then();
    }
    QStringList warnings;
    bool holding = false;
    std::vector<std::function<void()>> held;
};

// The user's contrast wish, as a test sets it.
class FakeContrast final : public platform::ContrastSetting
{
public:
    platform::Contrast contrast() const override { return m_contrast; }
    void set(platform::Contrast contrast)
    {
        m_contrast = contrast;
        emit changed();
    }

private:
    platform::Contrast m_contrast;
};

inline const QStringList textFields{"spec", "vl", "pw", "cw", "w3", "wit", "lengh", "thi", "ct", "pavillion", "crown"};

// Each test class calls setUpOnce() from initTestCase(), setUp() from init() and tearDown() from cleanup().
class Form1Fixture : public QObject
{
protected:
    RecordingMessages* m_messages = nullptr;
    FakeContrast* m_contrast = nullptr;
    window::Form1* m_form = nullptr;
    QTimer* m_watchdog = nullptr;
    QString m_unexpectedDialog;
    QPalette m_palette;

    QLineEdit* edit(const QString& name) { return m_form->findChild<QLineEdit*>(name); }
    QComboBox* mat() { return m_form->findChild<QComboBox*>(QStringLiteral("mat")); }
    QPushButton* button(const QString& name) { return m_form->findChild<QPushButton*>(name); }
    QWidget* control(const QString& name) { return m_form->findChild<QWidget*>(name); }

    void type(const QString& name, const QString& text)
    {
        QLineEdit* field = edit(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    void pickFromList(const QString& name)
    {
        QComboBox* box = mat();
        box->showPopup();
        QAbstractItemView* view = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(box->findText(name, Qt::MatchExactly), 0);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
        QTRY_VERIFY(!view->window()->isVisible());
    }

    QWidget* tabFrom(QWidget* from, Qt::Key key)
    {
        QTest::keyClick(from, key);
        return QApplication::focusWidget();
    }

    // The control that owns the focus, for the editable combo box whose line edit holds it.
    static QString focusedName()
    {
        QWidget* widget = QApplication::focusWidget();
        if (widget && qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

    void typeTypicalParameters()
    {
        pickFromList(QStringLiteral("Actinolite"));
        type("vl", "1");
        type("pw", "0.43");
        type("cw", "0.15");
        type("w3", "0.6");
    }

    void setUpOnce()
    {
        // The accessibility bridge connects to its bus a moment after start.
        if (qEnvironmentVariableIsSet("TAVELON_TEST_BRIDGE"))
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        QApplication::setFont(platform::dialogFont());
        // On a real window system, the style the program takes as it starts. (The offscreen runs keep one
        // style on every system, without the native style's animations.)
        if (QGuiApplication::platformName() != QLatin1String("offscreen"))
            platform::followSystemTheme();
        m_palette = QApplication::palette();
    }

    void setUp()
    {
        // Every Qt warning fails the test, except the offscreen platform's notes on what it cannot do.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
        m_messages = new RecordingMessages;
        m_contrast = new FakeContrast;
        m_form = new window::Form1(*m_messages, m_contrast);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        m_unexpectedDialog.clear();
        m_watchdog = new QTimer;
        connect(m_watchdog, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_unexpectedDialog = modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
                modal->close();
            }
        });
        m_watchdog->start(100);
    }

    void tearDown()
    {
        delete m_watchdog;
        delete m_form;
        delete m_contrast;
        delete m_messages;
        QLocale::setDefault(QLocale::c());
        QApplication::setPalette(m_palette);
        QVERIFY2(m_unexpectedDialog.isEmpty(), qPrintable(m_unexpectedDialog));
    }
};
