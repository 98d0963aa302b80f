#pragma once
// The tip grid of the "Lottotipp" page: twelve tip rows ("1. Tipp" … "12. Tipp") of six number
// boxes, each with its row label (red = locked), hit label (its hint names the prize tier) and sum
// label, and the small clear button. Handlers keep their designed names; the logic is in check/tip_check.h.
// The grid reads the current draw, the ticket number, the texts and the prompt from the session at
// the moment of use; the owner runs Komplettcheck after every draw selection or step, update,
// generation and tip loading.
#include "check/tip_check.h"
#include "ui/hit_sound.h"

#include <QColor>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QToolButton;

namespace razoz {

class Session;

class TipGrid : public QWidget {
    Q_OBJECT
public:
    // The designed colours of the check.
    static inline const QColor kDrawnColour{0, 255, 0};           // lime: one of the six drawn numbers
    static inline const QColor kComplementaryColour{255, 255, 0}; // yellow: the complementary number
    static inline const QColor kLockedColour{255, 0, 0};          // a red row label locks the row

    explicit TipGrid(Session& session, QWidget* parent = nullptr);
    ~TipGrid() override;

    // Replaces the player of the hit sound (tests count the plays).
    void setSoundPlayer(std::unique_ptr<HitSoundPlayer> player);

    // Rows 0..11 ("1. Tipp" is row 0), columns 0..5. Texts written go through the box rule.
    TipRowTexts rowTexts(int row) const;
    void setRowTexts(int row, const TipRowTexts& texts);
    TipRows texts() const;
    void setTexts(const TipRows& rows);
    bool rowLocked(int row) const;
    void setRowLocked(int row, bool locked);

    // The last full check's tally, and the last row matched by this grid.
    const HitTally& hitTally() const { return tally_; }
    const RowMatch& rowMatch() const { return rowMatch_; }

    QLineEdit* box(int row, int column) const { return boxes_[row][column]; }
    QLabel* rowLabel(int row) const { return rowLabels_[row]; }
    QLabel* hitLabel(int row) const { return hitLabels_[row]; }
    QLabel* sumLabel(int row) const { return sumLabels_[row]; }
    QToolButton* clearButton() const { return clearButton_; }
    // The small button beside a row that edits it in the number list (Tipp1Edit … Tipp12Edit).
    QToolButton* editButton(int row) const { return editButtons_[row]; }
    // The first and last box number of a row ("Edit1" … "Edit6" for row 0).
    static int firstEdit(int row);
    static int lastEdit(int row) { return firstEdit(row) + kTipColumns - 1; }

    // Designed layout: row tops, box columns and label columns, in pixels of this widget.
    static const std::array<int, kTipRows> kRowTop;
    static const std::array<int, kTipColumns> kColumnLeft;
    static constexpr int kEditButtonLeft = 336;
    static constexpr int kHitLabelLeft = 380;
    static constexpr int kSumLabelLeft = 450;

    QSize sizeHint() const override;

    // Matches six texts against the owner's draw and ticket number; the result becomes rowMatch().
    RowMatch Zettelcheck(const TipRowTexts& texts);

public slots:
    // The full check of the twelve rows; does nothing but zero the tally before the settings are loaded.
    void Komplettcheck();
    // Empties every unlocked row, then checks (even before the settings are loaded).
    void SpeedButton11Click();
    // Empties every unlocked row with its hit and sum labels, without a check.
    void emptyUnlockedRows();
    // The clear button: asks first (interface texts 50 and 51).
    void Loeschendertipp();
    // Box rule on every change of a box, typed or set by the program.
    void Edit1Change(QLineEdit* box);
    // Leaving a box checks the grid once the settings are loaded.
    void Edit1Exit(QLineEdit* box);
    // Click on a row label: window text colour ↔ red (lock).
    void Label30Click(QLabel* label);

signals:
    // After every full check that ran.
    void checked();
    // A click on the edit button of row `row` (0-based).
    void rowEditRequested(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runCheck(bool allowed);
    void setBoxColour(QLineEdit* box, const QColor& colour);
    QColor windowTextColour() const;
    QString interfaceText(int n) const;

    Session& session_;
    std::unique_ptr<HitSoundPlayer> player_;
    std::array<std::array<QLineEdit*, kTipColumns>, kTipRows> boxes_{};
    std::array<QLabel*, kTipRows> rowLabels_{}, hitLabels_{}, sumLabels_{};
    std::array<QToolButton*, kTipRows> editButtons_{};
    QToolButton* clearButton_ = nullptr;
    HitTally tally_;
    RowMatch rowMatch_;
};

} // namespace razoz
