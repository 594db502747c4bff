// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit);
    layout->addWidget(new QPushButton(QStringLiteral("Button")));
    window.show();
    return QApplication::exec();
}
