// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window puts its controls, what they say at start, and the picture.
#include "Form1Fixture.h"
#include "window/Legibility.h"

#include <QFontDatabase>
#include <QRawFont>

class TestLayout : public Form1Fixture
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpOnce(); }
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void stateAfterStart()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Tavelon"));
        QCOMPARE(m_form->size(), QSize(TAVELON_CLIENT_SIZE));
        for (const QString& name : textFields)
            QVERIFY2(edit(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(mat()->currentText(), QStringLiteral("Material"));
        QCOMPARE(mat()->currentIndex(), -1);
        QCOMPARE(focusedName(), QStringLiteral("mat"));
        QCOMPARE(mat()->count(), 71);
        QCOMPARE(mat()->itemText(0), QStringLiteral("Actinolite"));
        QCOMPARE(mat()->itemData(0).toInt(), 0);
        QCOMPARE(mat()->itemText(70), QStringLiteral("Zirconia"));
        QCOMPARE(mat()->itemData(70).toInt(), 70);
        QCOMPARE(mat()->itemText(41), QStringLiteral("Opal")); // table order, not alphabetical
        for (const char* name : {"spec", "crown", "pavillion"})
            QVERIFY2(!edit(name)->isEnabled(), name);
        QVERIFY(edit("crown")->isReadOnly());
        QVERIFY(edit("pavillion")->isReadOnly());
        QCOMPARE(m_form->calcState(), core::CalcState{});

        auto* footer = m_form->findChild<QLabel*>(QStringLiteral("Label13"));
        QVERIFY(footer->text().startsWith(QString(16, QLatin1Char(' ')) + QStringLiteral("Tavelon " TAVELON_VERSION)));
        QVERIFY(!footer->text().at(16).isSpace());
        QVERIFY(footer->fontMetrics().horizontalAdvance(footer->text()) <= footer->width()); // one line
        // For the runs under each Windows app mode, which must see the window in that mode.
        qInfo("window colour %s", qPrintable(m_form->palette().color(QPalette::Window).name()));
        // The layout's red; on a dark theme, as much lighter as reading it needs.
        QCOMPARE(footer->palette().color(QPalette::WindowText),
                 window::legibleOn(QColor(0xFF0000), footer->palette().color(QPalette::Window)));
        QCOMPARE(button("Command1")->font().pointSizeF(), 9.75);
        QVERIFY(button("Command1")->font().bold());
        QVERIFY(!button("Command2")->font().bold());
        QCOMPARE(m_form->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Yeld Vol./W^3 "));
    }

    // Bold by the font data, not by pixels (a face can draw its bold like its regular at one size): the
    // face matched is the first of the dialog faces installed, and it is drawn from a bold file, or from a
    // lighter one with the bold the toolkit simulates; every other text from a regular file, unsimulated.
    void onlyCalculateIsBold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bold");
        QTest::newRow("Calculate!") << "Command1" << true;
        QTest::newRow("Targets Reset") << "Command4" << false;
        QTest::newRow("Reset All") << "Command2" << false;
        QTest::newRow("Exit") << "Command3" << false;
        QTest::newRow("a caption") << "Label2" << false;
        QTest::newRow("a field") << "wit" << false;
    }

    void onlyCalculateIsBold()
    {
        QFETCH(QString, name);
        QFETCH(bool, bold);
        QFont font = control(name)->font();
        font.setStyleStrategy(QFont::NoFontMerging);
        const QString matched = QFontInfo(font).family();
        const QStringList installed = QFontDatabase::families();
        const QStringList faces = platform::dialogFamilies();
        const auto first =
            std::find_if(faces.begin(), faces.end(), [&](const QString& f) { return installed.contains(f); });
        QVERIFY(first != faces.end());
        QCOMPARE(matched, *first);
        const QRawFont raw = QRawFont::fromFont(font);
        const QByteArray os2 = raw.fontTable("OS/2");
        QVERIFY2(os2.size() >= 6, qPrintable(matched));
        const int fileWeight = (uchar(os2.at(4)) << 8) | uchar(os2.at(5)); // usWeightClass
        // A simulated bold draws the same file's glyphs otherwise than its regular does.
        QFont regular = font;
        regular.setBold(false);
        const QRawFont plain = QRawFont::fromFont(regular);
        const auto glyph = [](const QRawFont& face) {
            return face.alphaMapForGlyph(face.glyphIndexesForString(QStringLiteral("C")).value(0),
                                         QRawFont::PixelAntialiasing);
        };
        const bool simulated = fileWeight < 600 && glyph(raw) != glyph(plain);
        qInfo("%s: %s, weight %d in its file%s", qPrintable(name), qPrintable(matched), fileWeight,
              simulated ? ", bold simulated" : "");
        QCOMPARE(fileWeight >= 600 || simulated, bold);
    }

    void pictureShowsTheFieldColours()
    {
        const QImage shown = control("Image1")->grab().toImage();
        QCOMPARE(shown.size(), QSize(283, 96));
        const auto holds = [&](QRgb colour) {
            for (int y = 2; y < 94; ++y)
                for (int x = 2; x < 281; ++x)
                    if ((shown.pixel(x, y) & 0xFFFFFF) == colour)
                        return true;
            return false;
        };
        QVERIFY2(holds(0x0000FF), "no width blue");
        QVERIFY2(holds(0xFF8000), "no length orange");
        QVERIFY2(holds(0xFF0000), "no crown red");
        QVERIFY2(holds(0x00C000), "no pavilion green");
        QCOMPARE(shown.pixel(3, 3) & 0xFFFFFF, 0xFFFFFFu); // on white
        // The grey line across the frame, under the ratio rows.
        const QImage window = m_form->grab().toImage();
        for (int x : {8, 150, 295})
            QCOMPARE(window.pixel(x, 222) & 0xFFFFFF, 0xC0C0C0u);
        QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(m_form->windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    // Start-up stays lean: drawing the window loads no image format plugin and no SVG module.
    void drawingLoadsNoImagePlugins()
    {
        if (QString::fromLatin1(QLibraryInfo::build()).contains(QLatin1String("static")))
            QSKIP("A static build has its plugins linked in: there is nothing to load at start-up.");
        m_form->grab();
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY(!mapped.contains("imageformats"));
        QVERIFY(!mapped.contains("libQt6Svg"));
    }

    void captionsSitBesideTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("drop"); // how much lower the field stands than its caption
        QTest::newRow("Density") << "sp"
                                 << "Density"
                                 << "spec" << 0;
        QTest::newRow("L/W") << "Label3"
                             << "L/W"
                             << "vl" << 0;
        QTest::newRow("P/W") << "Label4"
                             << "P/W"
                             << "pw" << 0;
        QTest::newRow("C/W") << "Label5"
                             << "C/W"
                             << "cw" << 0;
        QTest::newRow("yield") << "Label1"
                               << "Yeld Vol./W^3 "
                               << "w3" << 0;
        QTest::newRow("width") << "Label2"
                               << "Width Target (mm)"
                               << "wit" << 0;
        QTest::newRow("length") << "Label6"
                                << "Lenght Target (mm)"
                                << "lengh" << 0;
        QTest::newRow("pavilion, placed on the window") << "Label11"
                                                        << "Pavillion (mm)"
                                                        << "pavillion" << 2;
        QTest::newRow("crown") << "Label9"
                               << "Crown (mm)"
                               << "crown" << 0;
        QTest::newRow("total height") << "Label7"
                                      << "Total Height Target (mm)"
                                      << "thi" << 0;
        QTest::newRow("weight in carats") << "Label8"
                                          << "Final Weight (Ct)"
                                          << "ct" << 0;
    }

    void captionsSitBesideTheirFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(int, drop);
        auto* caption = m_form->findChild<QLabel*>(label);
        QCOMPARE(caption->text(), text);
        QCOMPARE(caption->font().pointSizeF(), 8.0); // the layout's own face needs no shrinking
        const QRect labelRect(caption->mapTo(m_form, QPoint()), caption->size());
        const QRect fieldRect(edit(field)->mapTo(m_form, QPoint()), edit(field)->size());
        QCOMPARE(labelRect.right() + 1 + 7, fieldRect.left());
        QCOMPARE(labelRect.top() + drop, fieldRect.top());
        QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width(),
                 qPrintable(caption->text()));
        // The text itself stands against the box's right edge, next to the field (the yield's caption ends
        // in a space).
        const QImage drawn = caption->grab().toImage();
        int inkRight = -1;
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (drawn.pixel(x, y) != drawn.pixel(0, 0))
                    inkRight = x;
        QVERIFY2(drawn.width() - 1 - inkRight <= caption->fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 2,
                 qPrintable(QStringLiteral("ink ends at %1 of %2").arg(inkRight).arg(drawn.width())));
        QCOMPARE(caption->buddy(), edit(field));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit(field));
        QCOMPARE(accessible->text(QAccessible::Name), caption->text().trimmed());
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry"); // in the client area: twips from the layout, 15 to the pixel
        QTest::addColumn<QString>("text");
        QTest::newRow("Calculate!") << "Command1" << QRect(8, 384, 289, 25) << "Calculate!";
        QTest::newRow("Targets Reset") << "Command4" << QRect(8, 408, 289, 25) << "Targets Reset";
        QTest::newRow("Reset All") << "Command2" << QRect(8, 440, 153, 25) << "Reset All";
        QTest::newRow("Exit") << "Command3" << QRect(TAVELON_EXIT_BUTTON) << "Exit";
        QTest::newRow("frame") << "Frame1" << QRect(8, 6, 289, 377) << "Tavelon";
        QTest::newRow("material box") << "mat" << QRect(16, 30, 129, 21) << "Material";
        QTest::newRow("density") << "spec" << QRect(240, 30, 49, 19) << "";
        QTest::newRow("L/W field") << "vl" << QRect(48, 166, 57, 19) << "";
        QTest::newRow("P/W field") << "pw" << QRect(240, 166, 49, 19) << "";
        QTest::newRow("C/W field") << "cw" << QRect(48, 190, 57, 19) << "";
        QTest::newRow("yield field") << "w3" << QRect(240, 190, 49, 19) << "";
        QTest::newRow("grey line") << "Line1" << QRect(8, 222, 288, 1) << "";
        QTest::newRow("tip, its blanks and its typo") << "Label12" << QRect(212, 254, 78, 101)
                                                      << "Tip:                   you must input only one of the "
                                                         "final teget measurements and Tavelon will do the rest!";
        QTest::newRow("footer") << "Label13" << QRect(9, 471, 288, 13)
                                << "                Tavelon " TAVELON_VERSION " - step-cut proportions and weight";
    }

    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QWidget* widget = control(name);
        QCOMPARE(QRect(widget->mapTo(m_form, QPoint()), widget->size()), geometry);
        QString shown;
        if (auto* pushButton = qobject_cast<QPushButton*>(widget))
            shown = pushButton->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(widget))
            shown = frame->title();
        else if (auto* label = qobject_cast<QLabel*>(widget))
            shown = label->text();
        else if (auto* box = qobject_cast<QComboBox*>(widget))
            shown = box->currentText();
        else if (auto* field = qobject_cast<QLineEdit*>(widget))
            shown = field->text();
        QCOMPARE(shown, text);
    }

    // A caption whose text runs wider than its box grows to the left, up to what stands before it.
    void captionGrowsLeftNoFurtherThanItsRow_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<QRect>("geometry"); // in the frame
        QTest::newRow("a text that fits keeps its box") << "Label3" << 10 << QRect(8, 160, 25, 17);
        QTest::newRow("yield grows into the free space") << "Label1" << 80 << QRect(145, 184, 80, 17);
        QTest::newRow("P/W stops short of the L/W field") << "Label4" << 150 << QRect(101, 160, 124, 17);
        QTest::newRow("total height stops at the margin") << "Label7" << 200 << QRect(8, 328, 121, 17);
    }

    void captionGrowsLeftNoFurtherThanItsRow()
    {
        QFETCH(QString, caption);
        QFETCH(int, textWidth);
        QFETCH(QRect, geometry);
        const auto controls = window::controls();
        const auto spec = std::find_if(controls.begin(), controls.end(),
                                       [&](const window::ControlSpec& c) { return caption == QLatin1String(c.name); });
        QVERIFY(spec != controls.end());
        QCOMPARE(window::captionGeometry(*spec, textWidth), geometry);
    }

    void targetAndResultRowsFormOneColumn()
    {
        for (const char* name : {"wit", "lengh", "pavillion", "crown", "thi", "ct"})
            QCOMPARE(edit(name)->mapTo(m_form, QPoint()).x(), 144);
        QCOMPARE(control("Frame1")->geometry(), QRect(8, 6, 289, 377));
        QCOMPARE(control("Image1")->size(), QSize(283, 96));
        QCOMPARE(static_cast<QFrame*>(control("Image1"))->contentsRect().size(), QSize(279, 92));
        QCOMPARE(control("pavillion")->parentWidget(), m_form);
        QCOMPARE(m_form->children().constLast(), control("pavillion")); // drawn over the frame
        // Where two buttons overlap by a pixel, the one listed later in the layout lies below.
        QCOMPARE(m_form->childAt(100, 408), button("Command4"));
        QCOMPARE(m_form->childAt(160, 450), button("Command3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(mat())->text(QAccessible::Name), QStringLiteral("Material"));
    }

    void enlargingMovesNothing()
    {
        QMap<QWidget*, QRect> before;
        for (QWidget* widget : m_form->findChildren<QWidget*>())
            before[widget] = widget->geometry();
        m_form->resize(800, 700); // within the smallest screen the tests run on
        QTest::qWait(10);
        QCOMPARE(m_form->size(), QSize(800, 700)); // sizable, not fixed
        QCOMPARE(m_form->minimumSize(), QSize(0, 0));
        for (QWidget* widget : m_form->findChildren<QWidget*>())
            QCOMPARE(widget->geometry(), before.value(widget));
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
