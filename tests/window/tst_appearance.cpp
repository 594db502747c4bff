// SPDX-License-Identifier: GPL-3.0-or-later
// Every text legible under light and dark themes, and every caption fitting a wider face.
#include "Form1Fixture.h"

namespace {

// WCAG 2 contrast, worked out here again so that a fault in the window's own sum cannot hide.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A dark desktop theme, by default with the colours of GNOME's dark style.
QPalette darkPalette(const QColor& window = QColor(0x353535), const QColor& fields = QColor(0x2D2D2D))
{
    QPalette dark;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {{QPalette::Window, window},
                                                            {QPalette::WindowText, QColor(0xEEEEEC)},
                                                            {QPalette::Base, fields},
                                                            {QPalette::Text, QColor(0xEEEEEC)},
                                                            {QPalette::Button, QColor(0x3A3A3A)},
                                                            {QPalette::ButtonText, QColor(0xEEEEEC)},
                                                            {QPalette::Light, QColor(0x4A4A4A)},
                                                            {QPalette::Dark, QColor(0x1B1B1B)},
                                                            {QPalette::Mid, QColor(0x2A2A2A)},
                                                            {QPalette::Shadow, QColor(Qt::black)}};
    for (const auto& [role, colour] : roles)
        dark.setColor(role, colour);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x5E5E5E));
    return dark;
}

// A text the window draws: the colour of its palette role for the widget's state, and what is behind it.
struct Drawn
{
    QString name;
    QColor text, behind;
};

QList<Drawn> drawnTexts(const QWidget* form)
{
    QList<Drawn> drawn;
    const auto add = [&](const QWidget* widget, QPalette::ColorRole role, QPalette::ColorRole behind) {
        const QPalette::ColorGroup group = !widget->isEnabled()       ? QPalette::Disabled
                                           : widget->isActiveWindow() ? QPalette::Active
                                                                      : QPalette::Inactive;
        const QPalette& palette = widget->palette();
        drawn.append({widget->objectName(), palette.color(group, role), palette.color(group, behind)});
    };
    for (const QWidget* widget : form->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(form))
            continue;
        if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QGroupBox*>(widget))
            add(widget, QPalette::WindowText, QPalette::Window);
        else if (qobject_cast<const QPushButton*>(widget))
            add(widget, QPalette::ButtonText, QPalette::Button);
        else if (qobject_cast<const QComboBox*>(widget) ||
                 (qobject_cast<const QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget->parentWidget())))
            add(widget, QPalette::Text, QPalette::Base);
    }
    return drawn;
}

} // namespace

class TestAppearance : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void everyTextIsLegible_data()
    {
        QTest::addColumn<QColor>("window"); // of a dark theme set while the window is open; none: light
        QTest::addColumn<QColor>("fields");
        QTest::addColumn<bool>("inactive"); // another window has the focus: the Inactive colours are drawn
        QTest::newRow("default light palette") << QColor() << QColor() << false;
        QTest::newRow("dark palette set while the window is open") << QColor(0x353535) << QColor(0x2D2D2D) << false;
        QTest::newRow("dark palette, another window active") << QColor(0x353535) << QColor(0x2D2D2D) << true;
        QTest::newRow("mid-dark palette") << QColor(0x4A4A4A) << QColor(0x404040) << false;
    }

    void everyTextIsLegible()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, fields);
        QFETCH(bool, inactive);
        const bool dark = window.isValid();
        if (dark) {
            QApplication::setPalette(darkPalette(window, fields));
            QTRY_COMPARE(control("Label13")->palette().color(QPalette::Window), window);
        }
        QWidget other;
        if (inactive) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QVERIFY(!m_form->isActiveWindow());
        }
        // The layout's colours: each names a quantity, on its caption and in its field alike.
        const QMap<QString, QRgb> given{{"Label2", 0x0000FF},  {"wit", 0x0000FF},     {"Label6", 0xFF8000},
                                        {"lengh", 0xFF8000},   {"Label11", 0x00C000}, {"Label9", 0xFF0000},
                                        {"Label13", 0xFF0000}, {"Label12", 0xC04000}};
        const QList<Drawn> drawn = drawnTexts(m_form);
        QCOMPARE(drawn.size(), 30); // 13 labels, the frame, 4 buttons, 11 fields, the material box
        for (const Drawn& text : drawn) {
            const QString what = QStringLiteral("%1: %2 on %3, %4:1")
                                     .arg(text.name, text.text.name(), text.behind.name())
                                     .arg(contrast(text.text, text.behind), 0, 'f', 2);
            if (given.contains(text.name)) {
                const QColor layout(given.value(text.name));
                if (dark) {
                    QVERIFY2(std::abs(text.text.hslHue() - layout.hslHue()) <= 3, qPrintable(what));
                    QVERIFY2(contrast(text.text, text.behind) >= 4.5, qPrintable(what));
                } else {
                    QVERIFY2(text.text == layout, qPrintable(what)); // exactly the layout's colour
                }
            } else {
                QVERIFY2(contrast(text.text, text.behind) >= 4.5, qPrintable(what));
            }
        }
        // The results are greyed, as disabled fields are, yet read as well as the classic desktop's.
        for (const char* name : {"spec", "pavillion", "crown"}) {
            const QPalette& palette = edit(name)->palette();
            const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
            const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
            QVERIFY2(!edit(name)->isEnabled(), name);
            QVERIFY2(grey.hsvSaturation() < 16, qPrintable(grey.name()));
            QVERIFY2(contrast(grey, base) >= 5.0, qPrintable(grey.name()));
            QVERIFY2(contrast(grey, base) < contrast(m_form->palette().color(QPalette::Text), base) - 2,
                     qPrintable(grey.name()));
        }
        // The picture stays a drawing on white.
        QCOMPARE(control("Image1")->grab().toImage().pixel(3, 3) & 0xFFFFFF, 0xFFFFFFu);
    }

    // Where the layout's face is missing, a wider one cuts no text and pushes nothing out of the window.
    void wideFaceFitsEveryLabel_data()
    {
        QTest::addColumn<bool>("whileOpen");
        QTest::addColumn<bool>("takenAway"); // and then the layout's face is back
        QTest::newRow("wide face at start") << false << false;
        QTest::newRow("wide face set while the window is open") << true << false;
        QTest::newRow("wide face set, then taken away again") << true << true;
    }

    void wideFaceFitsEveryLabel()
    {
        QFETCH(bool, whileOpen);
        QFETCH(bool, takenAway);
        QFont wide(QStringLiteral("DejaVu Sans"));
        wide.setPointSizeF(8);
        QCOMPARE(QFontInfo(wide).family(), QStringLiteral("DejaVu Sans"));
        const QFont before = QApplication::font();
        if (!whileOpen)
            QApplication::setFont(wide);
        const auto restore = qScopeGuard([&] { QApplication::setFont(before); });
        window::Form1 form(*m_messages);
        form.show();
        QMap<QLabel*, qreal> sizes; // in the face the window started with
        for (QLabel* label : form.findChildren<QLabel*>())
            sizes.insert(label, label->font().pointSizeF());
        if (whileOpen) {
            QApplication::setFont(wide);
            QTRY_COMPARE(QFontInfo(form.findChild<QLabel*>(QStringLiteral("Label7"))->font()).family(),
                         QStringLiteral("DejaVu Sans"));
        }
        const QRect window = form.rect();
        const QList<QWidget*> widgets = form.findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || widget->size().isEmpty())
                continue;
            const QRect rect(widget->mapTo(&form, QPoint()), widget->size());
            QVERIFY2(window.contains(rect), qPrintable(widget->objectName()));
            auto* label = qobject_cast<QLabel*>(widget);
            if (!label)
                continue;
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("DejaVu Sans"));
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
                for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= label->width(), qPrintable(word));
            } else {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
            }
            QVERIFY2(label->font().pointSizeF() >= 6, qPrintable(label->objectName())); // shrunk, not hidden
            // A caption that grew to the left stays clear of the field before it on its row.
            for (QWidget* other : widgets) {
                const QRect otherRect(other->mapTo(&form, QPoint()), other->size());
                if (other != label && (qobject_cast<QLineEdit*>(other) || qobject_cast<QComboBox*>(other)) &&
                    !qobject_cast<QComboBox*>(other->parentWidget()))
                    QVERIFY2(!rect.intersects(otherRect), qPrintable(label->objectName() + other->objectName()));
            }
        }
        if (takenAway) {
            QVERIFY(std::any_of(sizes.keyBegin(), sizes.keyEnd(),
                                [&](QLabel* label) { return label->font().pointSizeF() < sizes.value(label); }));
            QApplication::setFont(before);
            for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
                QTRY_COMPARE(it.key()->font().pointSizeF(), it.value());
        }
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
