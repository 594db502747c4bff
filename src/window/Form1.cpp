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
#include "window/MaterialBox.h"

#include <QCommonStyle>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace window {

namespace {

void setTextColour(QWidget* widget, QPalette::ColorRole role, QRgb colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Active, role, QColor(colour));
    palette.setColor(QPalette::Inactive, role, QColor(colour));
    widget->setPalette(palette);
}

} // namespace

Form1::Form1(platform::MessageService& messages, QWidget* parent) : QWidget(parent), m_messages(messages)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavelon"));
    setWindowIcon(programIcon());
    setFont(standardFont());
    resize(clientSize);
    buildControls();
    load();
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    QWidget* frame = nullptr;
    std::map<QString, QLabel*> captions;
    for (const ControlSpec& spec : controls()) {
        QWidget* container = spec.container == Container::Frame ? frame : this;
        const QString caption = QString::fromUtf8(spec.caption);
        QWidget* widget = nullptr;
        switch (spec.kind) {
        case Kind::Frame: {
            auto* group = new QGroupBox(caption, container);
            // The classic etched frame. The default style's frame comes from an image whose loading
            // brings in every image format plugin at start-up.
            m_frameStyle = std::make_unique<QCommonStyle>();
            group->setStyle(m_frameStyle.get());
            widget = frame = group;
            break;
        }
        case Kind::TextBox: {
            auto* edit = new QLineEdit(container);
            edit->setReadOnly(spec.readOnly);
            // A pasted text is taken whole: cutting it short could turn a non-number into a number.
            edit->setMaxLength(std::numeric_limits<int>::max());
            if (spec.textColour)
                setTextColour(edit, QPalette::Text, *spec.textColour);
            widget = edit;
            break;
        }
        case Kind::ComboBox: {
            auto* box = new MaterialBox(container);
            box->setAccessibleName(caption);
            m_mat = box;
            widget = box;
            break;
        }
        case Kind::Button: {
            auto* button = new QPushButton(caption, container);
            button->setAutoDefault(true); // Enter clicks a focused button, as Space does
            widget = button;
            break;
        }
        case Kind::Label: {
            auto* label = new QLabel(caption, container);
            label->setTextFormat(Qt::PlainText);
            if (spec.captionOf) {
                label->setAlignment(Qt::AlignRight | Qt::AlignTop);
                captions[QString::fromUtf8(spec.captionOf)] = label;
            } else {
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(true);
            }
            if (spec.textColour)
                setTextColour(label, QPalette::WindowText, *spec.textColour);
            widget = label;
            break;
        }
        case Kind::Picture:
            widget = new CutDiagram(container);
            break;
        case Kind::Line: {
            auto* line = new QFrame(container);
            line->setAutoFillBackground(true);
            QPalette palette = line->palette();
            palette.setColor(QPalette::Window, QColor(*spec.textColour));
            line->setPalette(palette);
            widget = line;
            break;
        }
        }
        widget->setObjectName(QString::fromUtf8(spec.name));
        QRect geometry = pixels(spec.left, spec.top, spec.width, spec.height);
        if (spec.captionOf) {
            // The stand-in face runs a little wider than the classic one: a caption grows to the left,
            // keeping its right edge against its field, rather than lose its first letters.
            const int needed = widget->fontMetrics().horizontalAdvance(caption);
            if (needed > geometry.width())
                geometry.setLeft(std::max(0, geometry.right() + 1 - needed));
        }
        widget->setGeometry(geometry);
        widget->setEnabled(!spec.disabled);
    }

    findChild<QLabel*>(QStringLiteral("Label13"))->setText(footerText());
    findChild<QLabel*>(QStringLiteral("Label13"))->setWordWrap(false);
    QFont bold = font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    findChild<QPushButton*>(QStringLiteral("Command1"))->setFont(bold);

    for (core::Field id : core::allFields) {
        if (id == core::Field::mat)
            continue;
        auto* edit = findChild<QLineEdit*>(core::controlName(id));
        m_fields[id] = edit;
        if (QLabel* label = captions[core::controlName(id)]) {
            label->setBuddy(edit);
            edit->setAccessibleName(label->text().trimmed());
        }
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
    connect(findChild<QPushButton*>(QStringLiteral("Command1")), &QPushButton::clicked, this,
            &Form1::onCalculateClicked);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form1::onResetAllClicked);
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this, &Form1::onExitClicked);
    connect(findChild<QPushButton*>(QStringLiteral("Command4")), &QPushButton::clicked, this,
            &Form1::onTargetsResetClicked);
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
