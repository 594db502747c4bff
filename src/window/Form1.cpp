// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1.h"

#include "core/Calculate.h"
#include "core/Resets.h"
#include "core/TextRules.h"
#include "platform/MessageService.h"
#include "platform/ProgramEnd.h"
#include "window/Artwork.h"
#include "window/CutDiagram.h"
#include "window/Layout.h"
#include "window/Legibility.h"
#include "window/MaterialBox.h"

#include <QCommonStyle>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace window {

namespace {

// Whether a label shows the whole of its text within its box.
bool fits(const QLabel* label)
{
    const QFontMetrics metrics = label->fontMetrics();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(label->text()) <= label->width();
    const QStringList words = label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word) { return metrics.horizontalAdvance(word) <= label->width(); }) &&
           label->heightForWidth(label->width()) <= label->height();
}

// Where the face the layout was made for is missing, a wider one takes its place: that one label's
// font shrinks, a quarter point at a time, until its text fits rather than be cut.
void shrinkUntilItFits(QLabel* label)
{
    QFont font = label->font();
    while (!fits(label) && font.pointSizeF() > 4) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
}

// How far left a caption may grow without running into what stands before it on its row.
int leftLimit(const ControlSpec& caption)
{
    constexpr int gap = 4;
    const QRect own = pixels(caption.left, caption.top, caption.width, caption.height);
    int limit = pixels(120, 0, 0, 0).left(); // the layout's own left margin
    for (const ControlSpec& other : controls()) {
        const QRect rect = pixels(other.left, other.top, other.width, other.height);
        if (&other != &caption && other.container == caption.container && rect.right() < own.left() &&
            rect.top() <= own.bottom() && rect.bottom() >= own.top())
            limit = std::max(limit, rect.right() + 1 + gap);
    }
    return limit;
}

} // namespace

Form1::Form1(platform::MessageService& messages, QWidget* parent) : QWidget(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavelon"));
    setWindowIcon(programIcon());
    resize(clientSize);
    buildControls();
    applyColours();
    load();
}

Form1::~Form1() = default;

QWidget* Form1::createControl(const ControlSpec& spec, QWidget* container)
{
    const QString caption = QString::fromUtf8(spec.caption);
    const Traits& traits = spec.traits;
    switch (spec.kind) {
    case Kind::Frame: {
        auto* group = new QGroupBox(caption, container);
        // The classic etched frame. The default style's frame comes from an image whose loading
        // brings in every image format plugin at start-up.
        m_frameStyle = std::make_unique<QCommonStyle>();
        group->setStyle(m_frameStyle.get());
        return group;
    }
    case Kind::TextBox: {
        auto* edit = new QLineEdit(container);
        edit->setReadOnly(traits.readOnly);
        // A pasted text is taken whole: cutting it short could turn a non-number into a number.
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (traits.textColour)
            m_coloured.push_back({edit, QPalette::Text, *traits.textColour});
        if (traits.disabled)
            m_greyed.push_back(edit);
        return edit;
    }
    case Kind::ComboBox:
        m_mat = new MaterialBox(container);
        m_mat->setAccessibleName(caption);
        return m_mat;
    case Kind::Button: {
        auto* button = new QPushButton(caption, container);
        button->setAutoDefault(true); // Enter clicks a focused button, as Space does
        if (traits.bold) {
            QFont bold = font();
            bold.setPointSizeF(9.75);
            bold.setBold(true);
            button->setFont(bold);
        }
        return button;
    }
    case Kind::Label: {
        auto* label = new QLabel(caption, container);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((traits.captionOf ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(traits.wrap);
        if (traits.textColour)
            m_coloured.push_back({label, QPalette::WindowText, *traits.textColour});
        return label;
    }
    case Kind::Picture:
        return new CutDiagram(container);
    case Kind::Line: {
        auto* line = new QFrame(container);
        line->setAutoFillBackground(true);
        QPalette palette = line->palette();
        palette.setColor(QPalette::Window, QColor(*traits.textColour));
        line->setPalette(palette);
        return line;
    }
    }
    return nullptr;
}

void Form1::buildControls()
{
    QWidget* frame = nullptr;
    for (const ControlSpec& spec : controls()) {
        QWidget* widget = createControl(spec, spec.container == Container::Frame ? frame : this);
        if (spec.kind == Kind::Frame)
            frame = widget;
        widget->setObjectName(QString::fromUtf8(spec.name));
        QRect geometry = pixels(spec.left, spec.top, spec.width, spec.height);
        if (spec.traits.captionOf) {
            // The stand-in face runs a little wider than the classic one: a caption first grows to the
            // left, keeping its right edge against its field, into the free space before it.
            const int needed = widget->fontMetrics().horizontalAdvance(QString::fromUtf8(spec.caption));
            if (needed > geometry.width())
                geometry.setLeft(std::max(leftLimit(spec), geometry.right() + 1 - needed));
        }
        widget->setGeometry(geometry);
        widget->setEnabled(!spec.traits.disabled);
        if (auto* label = qobject_cast<QLabel*>(widget))
            shrinkUntilItFits(label);
    }

    for (core::Field id : core::allFields) {
        if (id != core::Field::mat)
            m_fields[id] = findChild<QLineEdit*>(core::controlName(id));
    }
    // Each caption names its field for screen readers, too.
    for (const ControlSpec& spec : controls()) {
        if (!spec.traits.captionOf)
            continue;
        auto* label = findChild<QLabel*>(QString::fromUtf8(spec.name));
        auto* edit = findChild<QLineEdit*>(QString::fromUtf8(spec.traits.captionOf));
        label->setBuddy(edit);
        edit->setAccessibleName(label->text().trimmed());
    }

    QWidget* previous = nullptr;
    for (const char* name : tabOrder()) {
        auto* next = findChild<QWidget*>(QString::fromUtf8(name));
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    m_mat->setFocus();

    connect(m_mat, &QComboBox::activated, this, &Form1::onMaterialPicked);
    const std::pair<const char*, void (Form1::*)()> buttons[] = {
        {"Command1", &Form1::onCalculateClicked},
        {"Command2", &Form1::onResetAllClicked},
        {"Command3", &Form1::onExitClicked},
        {"Command4", &Form1::onTargetsResetClicked},
    };
    for (const auto& [name, handler] : buttons)
        connect(findChild<QPushButton*>(QString::fromUtf8(name)), &QPushButton::clicked, this, handler);
}

void Form1::applyColours()
{
    // Measured against what the desktop's palette puts behind each text, so a dark theme, or a change of
    // theme while the window is open, keeps every figure readable. The window's own palette is the theme:
    // when it changes, the window hears of it before its children are brought up to date.
    const QPalette theme = palette();
    std::map<QWidget*, QPalette> palettes; // only the roles set here; the rest follow the theme
    for (const Coloured& coloured : m_coloured) {
        const QPalette::ColorRole behind = coloured.role == QPalette::Text ? QPalette::Base : QPalette::Window;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palettes[coloured.widget].setColor(group, coloured.role,
                                               legibleOn(QColor(coloured.given), theme.color(group, behind)));
    }
    // The greyed fields hold the results: greyed, but no paler than the classic desktop draws them.
    for (QLineEdit* edit : m_greyed)
        palettes[edit].setColor(QPalette::Disabled, QPalette::Text,
                                readableGrey(theme.color(QPalette::Disabled, QPalette::Text),
                                             theme.color(QPalette::Active, QPalette::Text),
                                             theme.color(QPalette::Disabled, QPalette::Base)));
    for (const auto& [widget, colours] : palettes)
        widget->setPalette(colours);
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColours();
}

void Form1::load()
{
    m_materials.mate();
    const int lower = core::Materials::lowerBound(), upper = core::Materials::upperBound();
    for (int i = lower; i <= upper; ++i)
        m_mat->addItem(m_materials.at(i).name, i);
    // Adding the first item chooses it; no material is chosen until the user picks one.
    m_mat->setCurrentIndex(-1);
    m_mat->setEditText(core::materialPrompt());
}

void Form1::onMaterialPicked(int position)
{
    const int row = m_mat->itemData(position).toInt();
    field(core::Field::spec)->setText(core::densityText(m_materials.at(row).density));
}

void Form1::onCalculateClicked()
{
    core::Calculate(*this, m_state);
}

void Form1::onResetAllClicked()
{
    core::resetAll(*this);
}

void Form1::onExitClicked()
{
    platform::endProgram(this);
}

void Form1::onTargetsResetClicked()
{
    core::resetTargets(*this);
}

QString Form1::text(core::Field id) const
{
    return id == core::Field::mat ? m_mat->currentText() : field(id)->text();
}

void Form1::setText(core::Field id, const QString& text)
{
    if (id == core::Field::mat)
        m_mat->setEditText(text);
    else
        field(id)->setText(text);
}

void Form1::warn(const QString& message)
{
    m_messages.warn(this, message);
}

QLineEdit* Form1::field(core::Field id) const
{
    return m_fields.at(id);
}

} // namespace window
