#pragma once
// A click label whose text is shortened with "…" when it does not fit, so it never runs under its
// neighbours; then its hint carries the full text after the hint it was given.
#include "ui/click_label.h"

namespace razoz {

class ElidedClickLabel : public ClickLabel {
    Q_OBJECT
public:
    using ClickLabel::ClickLabel;

    // The text as drawn at the present width.
    QString shownText() const;
    // The hint given to the label (by the page or a language), without the full text.
    const QString& givenHint() const { return givenHint_; }
    // Brings the hint in step with the text and width; painting does this too.
    void updateHint();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QString givenHint_;
    bool settingHint_ = false;
};

} // namespace razoz
