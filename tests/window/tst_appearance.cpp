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

// The colour the nearest lightness step from COLOUR toward GIVEN would draw.
QColor stepBack(const QColor& colour, const QColor& given)
{
    const QColor hsl = colour.toHsl(), from = given.toHsl();
    const int back = hsl.lightness() + (from.lightness() > hsl.lightness() ? 1 : -1);
    return QColor::fromHsl(from.hslHue(), from.hslSaturation(), back).toRgb();
}

} // namespace

class TestAppearance : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    // One rule for every coloured text: under the floor, the nearest shade of the same hue that reaches
    // it, toward black on a light background and toward white on a dark one; the layout's colours kept
    // exactly on a light background when the user asked for nothing.
    void colourReachesTheFloor_data()
    {
        QTest::addColumn<QColor>("given");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<bool>("more");
        const std::pair<const char*, QRgb> colours[] = {{"width blue", 0x0000FF},     {"length orange", 0xFF8000},
                                                        {"pavilion green", 0x00C000}, {"crown red", 0xFF0000},
                                                        {"tip orange", 0xC04000},     {"dark text", 0x202020}};
        const std::pair<const char*, QRgb> backgrounds[] = {{"the layout's face", 0xF0F0F0},
                                                            {"white", 0xFFFFFF},
                                                            {"black", 0x000000},
                                                            {"dark grey", 0x353535},
                                                            {"mid grey", 0x808080}};
        for (const auto& [colourName, colour] : colours)
            for (const auto& [backgroundName, background] : backgrounds)
                for (bool more : {false, true})
                    QTest::addRow("%s on %s, %s", colourName, backgroundName, more ? "more contrast" : "no wish")
                        << QColor(colour) << QColor(background) << more;
    }

    void colourReachesTheFloor()
    {
        QFETCH(QColor, given);
        QFETCH(QColor, background);
        QFETCH(bool, more);
        const double floor = more ? 7.5 : 4.8; // 7:1 and 4.5:1 as drawn: a margin for the blended edges of strokes
        const QColor drawn = window::legibleOn(given, background, more);
        const QString what = QStringLiteral("%1 drawn %2, %3:1")
                                 .arg(given.name(), drawn.name())
                                 .arg(contrast(drawn, background), 0, 'f', 2);
        if (contrast(given, background) >= floor || (!more && background.lightnessF() > 0.7)) {
            QVERIFY2(drawn == given, qPrintable(what)); // enough already, or the layout's own light face
            return;
        }
        const QColor black(Qt::black), white(Qt::white);
        const double best = std::max(contrast(black, background), contrast(white, background));
        if (best < floor) { // no shade reaches it: the end that stands out most
            QCOMPARE(drawn, contrast(black, background) > contrast(white, background) ? black : white);
            return;
        }
        QVERIFY2(contrast(drawn, background) >= floor, qPrintable(what));
        QVERIFY2(std::abs(drawn.hslHue() - given.hslHue()) <= 1 || given.hslHue() < 0, qPrintable(what));
        const bool lightBehind = contrast(black, background) > contrast(white, background);
        QVERIFY2(lightBehind ? drawn.lightness() < given.lightness() : drawn.lightness() > given.lightness(),
                 qPrintable(what));
        QVERIFY2(contrast(stepBack(drawn, given), background) < floor, qPrintable(what)); // the nearest
    }

    void everyTextIsLegible_data()
    {
        QTest::addColumn<QColor>("window"); // of a dark theme set while the window is open; none: light
        QTest::addColumn<QColor>("fields");
        QTest::addColumn<bool>("inactive"); // another window has the focus: the Inactive colours are drawn
        QTest::addColumn<int>("wish");      // the user's contrast wish, given while the window is open
        const int none = int(platform::ContrastWish::None), more = int(platform::ContrastWish::More),
                  system = int(platform::ContrastWish::SystemColours);
        const QColor dark(0x353535), darkFields(0x2D2D2D);
        QTest::newRow("default light palette") << QColor() << QColor() << false << none;
        QTest::newRow("dark palette set while the window is open") << dark << darkFields << false << none;
        QTest::newRow("dark palette, another window active") << dark << darkFields << true << none;
        QTest::newRow("mid-dark palette") << QColor(0x4A4A4A) << QColor(0x404040) << false << none;
        QTest::newRow("more contrast, light palette") << QColor() << QColor() << false << more;
        QTest::newRow("more contrast, light palette, inactive") << QColor() << QColor() << true << more;
        QTest::newRow("more contrast, dark palette") << dark << darkFields << false << more;
        QTest::newRow("system colours, light palette") << QColor() << QColor() << false << system;
        QTest::newRow("system colours, dark palette") << dark << darkFields << false << system;
    }

    void everyTextIsLegible()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, fields);
        QFETCH(bool, inactive);
        QFETCH(int, wish);
        const bool dark = window.isValid();
        if (dark) {
            QApplication::setPalette(darkPalette(window, fields));
            QTRY_COMPARE(control("Label13")->palette().color(QPalette::Window), window);
        }
        const QColor systemGrey(0x6D6D6D);
        m_contrast->set({platform::ContrastWish(wish), systemGrey});
        const bool more = wish == int(platform::ContrastWish::More);
        const bool system = wish == int(platform::ContrastWish::SystemColours);
        const double floor = more ? 7.0 : 4.5;
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
            if (system) { // nothing of our own: the theme's text colour for its background
                const bool field = qobject_cast<QLineEdit*>(control(text.name)) != nullptr;
                const QColor theme = QApplication::palette().color(field ? QPalette::Text : QPalette::WindowText);
                if (given.contains(text.name))
                    QVERIFY2(text.text == theme, qPrintable(what));
            } else if (given.contains(text.name)) {
                const QColor layout(given.value(text.name));
                if (dark || more) {
                    QVERIFY2(std::abs(text.text.hslHue() - layout.hslHue()) <= 3, qPrintable(what));
                    QVERIFY2(contrast(text.text, text.behind) >= floor, qPrintable(what));
                } else {
                    QVERIFY2(text.text == layout, qPrintable(what)); // exactly the layout's colour
                }
            } else {
                QVERIFY2(contrast(text.text, text.behind) >= floor, qPrintable(what));
            }
        }
        // The results are greyed, as disabled fields are, yet read as well as the classic desktop's; under
        // the system's colours, in its own grey.
        for (const char* name : {"spec", "pavillion", "crown"}) {
            const QPalette& palette = edit(name)->palette();
            const QColor grey = palette.color(QPalette::Disabled, QPalette::Text);
            const QColor base = palette.color(QPalette::Disabled, QPalette::Base);
            QVERIFY2(!edit(name)->isEnabled(), name);
            if (system) {
                QCOMPARE(grey, systemGrey);
                continue;
            }
            QVERIFY2(grey.hsvSaturation() < 16, qPrintable(grey.name()));
            QVERIFY2(contrast(grey, base) >= (more ? 7.0 : 5.0), qPrintable(grey.name()));
            if (!more)
                QVERIFY2(contrast(grey, base) < contrast(m_form->palette().color(QPalette::Text), base) - 2,
                         qPrintable(grey.name()));
        }
        // The line under the ratio rows: the layout's grey, or under the system's colours the text colour.
        const QColor line = control("Line1")->palette().color(QPalette::Window);
        QCOMPARE(line, system ? QApplication::palette().color(QPalette::WindowText) : QColor(0xC0C0C0));
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
