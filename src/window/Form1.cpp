// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/Form1.h"

#include "core/Calculate.h"
#include "core/Resets.h"
#include "core/TextRules.h"
#include "platform/MessageService.h"
#include "platform/ProgramEnd.h"
#include "window/Announcement.h"
#include "window/Artwork.h"
#include "window/CutDiagram.h"
#include "window/FittingLabel.h"
#include "window/Layout.h"
#include "window/MaterialBox.h"

#include <QCommonStyle>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <limits>
#include <string_view>

namespace window {

Form1::Form1(platform::MessageService& messages, platform::ContrastSetting* contrast)
    : m_messages(messages), m_contrast(contrast)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavelon"));
    setWindowIcon(programIcon());
    resize(clientSize);
    m_announcement = new Announcement(this);
    buildControls();
    applyColours();
    if (m_contrast)
        connect(m_contrast, &platform::ContrastSetting::changed, this, &Form1::applyColours);
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
        auto* etched = new QCommonStyle;
        etched->setParent(group);
        group->setStyle(etched);
        return group;
    }
    case Kind::TextBox: {
        auto* edit = new QLineEdit(container);
        m_fields[*core::fieldNamed(spec.name)] = edit;
        edit->setReadOnly(traits.readOnly);
        // A pasted text is taken whole: cutting it short could turn a non-number into a number.
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (traits.textColour)
            m_colours.colour(edit, QPalette::Text, *traits.textColour);
        if (traits.disabled)
            m_colours.grey(edit);
        return edit;
    }
    case Kind::ComboBox:
        m_mat = new MaterialBox(caption, container);
        return m_mat;
    case Kind::Button: {
        auto* button = new QPushButton(caption, container);
        button->setAutoDefault(true); // Enter clicks a focused button, as Space does
        connect(button, &QPushButton::clicked, this, handler(traits.action));
        if (traits.bold) {
            QFont bold = font();
            bold.setPointSizeF(9.75);
            bold.setBold(true);
            button->setFont(bold);
        }
        return button;
    }
    case Kind::Label: {
        auto* label = new FittingLabel(caption, container);
        label->setAlignment((traits.captionOf ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(traits.wrap);
        if (traits.textColour)
            m_colours.colour(label, QPalette::WindowText, *traits.textColour);
        if (traits.captionOf)
            m_captions.emplace_back(label, *core::fieldNamed(traits.captionOf));
        return label;
    }
    case Kind::Picture:
        return new CutDiagram(container);
    case Kind::Line: {
        auto* line = new QFrame(container);
        line->setAutoFillBackground(true);
        m_colours.line(line, *traits.textColour);
        return line;
    }
    }
    return nullptr;
}

Form1::Handler Form1::handler(Action action)
{
    switch (action) {
    case Action::Calculate:
        return &Form1::onCalculateClicked;
    case Action::ResetAll:
        return &Form1::onResetAllClicked;
    case Action::Exit:
        return &Form1::onExitClicked;
    case Action::TargetsReset:
        return &Form1::onTargetsResetClicked;
    case Action::None:
        break;
    }
    return nullptr;
}

void Form1::buildControls()
{
    QWidget* frame = nullptr;
    std::map<std::string_view, QWidget*> made;
    for (const ControlSpec& spec : controls()) {
        QWidget* widget = createControl(spec, spec.container == Container::Frame ? frame : this);
        if (spec.kind == Kind::Frame)
            frame = widget;
        made[spec.name] = widget;
        widget->setObjectName(QString::fromUtf8(spec.name));
        widget->setGeometry(spec.traits.captionOf ? captionGeometry(spec, widget->fontMetrics().horizontalAdvance(
                                                                              QString::fromUtf8(spec.caption)))
                                                  : pixels(spec));
        widget->setEnabled(!spec.traits.disabled);
    }

    // Each caption names its field for screen readers, too. (The fields lie above their captions, so
    // they are made after them.)
    for (const auto& [label, id] : m_captions) {
        label->setBuddy(field(id));
        field(id)->setAccessibleName(label->text().trimmed());
    }
    m_captions.clear();

    QWidget* previous = nullptr;
    for (const char* name : tabOrder()) {
        QWidget* next = made.at(name);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    m_mat->setFocus();
    connect(m_mat, &QComboBox::activated, this, &Form1::onMaterialPicked);
}

void Form1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The window's own palette is the theme: it hears of a change before its children are brought up to date.
    if (event->type() == QEvent::PaletteChange)
        applyColours();
}

void Form1::applyColours()
{
    m_colours.apply(palette(), m_contrast ? m_contrast->contrast() : platform::Contrast{});
}

void Form1::load()
{
    m_materials.mate();
    const int lower = core::Materials::lowerBound(), upper = core::Materials::upperBound();
    for (int i = lower; i <= upper; ++i)
        m_mat->addItem(m_materials.at(i).name, i);
    // Adding the first item chooses it; no material is chosen until the user picks one.
    m_mat->setText(core::materialPrompt());
}

void Form1::onMaterialPicked(int position)
{
    const int row = m_mat->itemData(position).toInt();
    const QString density = core::densityText(m_materials.at(row).density);
    field(core::Field::spec)->setText(density);
    m_announcement->announce(platform::Announced::Pick, core::spokenFigures({{core::Field::spec, density}}));
}

void Form1::onCalculateClicked()
{
    core::WriteLog log(*this);
    core::Calculate(log, m_state);
    // A run that wrote nothing has said why in its warnings.
    if (!log.writes().empty())
        m_messages.afterWarnings([this, said = core::spokenFigures(log.writes())] {
            m_announcement->announce(platform::Announced::Results, said);
        });
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
    // Figures appear once the warnings before them are pressed away, wherever warnings do not wait.
    m_messages.afterWarnings([this, id, text] {
        if (id == core::Field::mat)
            m_mat->setText(text);
        else
            field(id)->setText(text);
    });
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
