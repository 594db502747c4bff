// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flow: the user types into the fields or picks a material; "Calculate!" hands the field texts to
// core::Calculate, which stores numbers in m_state and writes result texts back through core::Form.
// Its warnings go out through the message service this window was given. The window only moves texts.

#include "core/CalcState.h"
#include "core/FieldSet.h"
#include "core/MaterialTable.h"

#include <QPalette>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class QCommonStyle;
class QLineEdit;

namespace platform {
class MessageService;
}

namespace window {

struct ControlSpec;
class MaterialBox;

class Form1 final : public QWidget, private core::Form
{
    Q_OBJECT

public:
    Form1(platform::MessageService& messages, QWidget* parent = nullptr);
    ~Form1() override;

    const core::CalcState& calcState() const { return m_state; }

private:
    QWidget* createControl(const ControlSpec& spec, QWidget* container);
    void buildControls();
    void load();
    void applyColours();

    void changeEvent(QEvent* event) override;

    void onMaterialPicked(int position);
    void onCalculateClicked();
    void onResetAllClicked();
    void onExitClicked();
    void onTargetsResetClicked();

    QString text(core::Field field) const override;
    void setText(core::Field field, const QString& text) override;
    void warn(const QString& message) override;

    QLineEdit* field(core::Field field) const;

    platform::MessageService& m_messages;
    core::CalcState m_state;
    core::Materials m_materials;
    MaterialBox* m_mat = nullptr;
    std::map<core::Field, QLineEdit*> m_fields;
    std::unique_ptr<QCommonStyle> m_frameStyle;

    // A text in one of the layout's colours, drawn in the palette role it is given for.
    struct Coloured
    {
        QWidget* widget;
        QPalette::ColorRole role;
        QRgb given;
    };
    std::vector<Coloured> m_coloured;
    std::vector<QLineEdit*> m_greyed;
};

} // namespace window
