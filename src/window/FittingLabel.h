// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace window {

// A label that never cuts its text. Where the face the layout was made for is missing, a wider one takes
// its place: the label then draws in a smaller size of the inherited font, a quarter point at a time,
// until the text fits. It fits again whenever the inherited font or its own size changes.
class FittingLabel final : public QLabel
{
    Q_OBJECT

public:
    FittingLabel(const QString& text, QWidget* parent);

    // Whether the whole text shows within the label's box.
    bool fits() const;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    bool m_fitting = false;
};

} // namespace window
