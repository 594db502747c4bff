// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestMessageService : public QObject
{
    Q_OBJECT

private slots:
    void warningIsAModalBoxWithOkOnly()
    {
        QApplication::setApplicationName(QStringLiteral("Tavelon"));
        QWidget parent;
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        int buttons = -1;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            modal = box->isModal();
            QTest::keyClick(box, Qt::Key_Return);
        });
        platform::QtMessageService().warn(&parent, QStringLiteral("Please Select a Material."));

        QCOMPARE(title, QStringLiteral("Tavelon"));
        QCOMPARE(text, QStringLiteral("Please Select a Material."));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        QVERIFY(modal);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestMessageService)
#include "tst_messageservice.moc"
