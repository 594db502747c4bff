// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Data flow: the user types into the fields or picks a material; "Calculate!" hands the field texts to
// core::Calculate, which stores numbers in m_state and writes result texts back through core::Form.
// Its warnings go out through the message service this window was given, and the figures it wrote are
// announced to screen readers. The window only moves texts.

#include "core/CalcState.h"
#include "core/Form.h"
#include "core/MaterialTable.h"
#include "window/Legibility.h"

#include <QWidget>
#include <map>
#include <utility>
#include <vector>

class QLineEdit;

namespace platform {
class ContrastSetting;
class MessageService;
} // namespace platform

namespace window {

struct ControlSpec;
enum class Action;
class Announcement;
class FittingLabel;
class MaterialBox;

class Form1 final : public QWidget, private core::Form
{
    Q_OBJECT

public:
    // CONTRAST, where given, is the user's wish for contrast, followed while the window is open.
    explicit Form1(platform::MessageService& messages, platform::ContrastSetting* contrast = nullptr);
    ~Form1() override;

    const core::CalcState& calcState() const { return m_state; }

private:
    QWidget* createControl(const ControlSpec& spec, QWidget* container);
    using Handler = void (Form1::*)();
    static Handler handler(Action action);
    void buildControls();
    void load();

    void changeEvent(QEvent* event) override;
    void applyColours();

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
    platform::ContrastSetting* m_contrast;
    core::CalcState m_state;
    core::Materials m_materials;
    MaterialBox* m_mat = nullptr;
    std::map<core::Field, QLineEdit*> m_fields;
    std::vector<std::pair<FittingLabel*, core::Field>> m_captions; // until their fields exist
    Announcement* m_announcement = nullptr;
    ThemeColours m_colours;
};

} // namespace window
