// SPDX-License-Identifier: GPL-3.0-or-later
// The "Recent Spins" window: the last paid spins with their bonus spins, each drawn and told in full.
#pragma once

#include "engine/SpinHistory.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorvik {

class HelpContext;
class SpinRecorder;

// The nine symbols of one spin in the game's own pictures, with its winning lines in their colours.
class SpinPicture : public QWidget {
    Q_OBJECT

public:
    // symbols: the game's symbols picture, four cells of cellSize across and three down.
    SpinPicture(const QImage& symbols, int cellSize, QWidget* parent = nullptr);

    void Show(const SpinStep* step);
    const SpinStep* Shown() const { return step_; }
    QSize sizeHint() const override;
    // Where cell w (0-8) is drawn.
    QRect CellRect(int wheel) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& symbols_;
    int cellSize_;
    const SpinStep* step_ = nullptr;
};

class RecentSpinsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ShownSpins = 100;

    // The recorder and the help context must outlive the window; the window shows what the recorder held
    // when it was opened.
    RecentSpinsDialog(const SpinRecorder& recorder, const QImage& symbols, int cellSize, HelpContext& help,
                      QWidget* parent = nullptr);

    // The whole text of a paid spin with its bonus spins, and of one spin alone; what Copy puts on the
    // clipboard.
    static QString DescribeRecord(const PaidSpinRecord& record);
    static QString DescribeStep(const PaidSpinRecord& record, std::size_t step);
    static QString SymbolName(int code);
    static QString CardName(const CardTurn& card);

    QTreeWidget* List() const { return list_; }
    SpinPicture* Picture() const { return picture_; }
    QPlainTextEdit* Text() const { return text_; }
    QPushButton* CopyButton() const { return copy_; }

    // Puts the shown text on the clipboard.
    void CopyText();

private:
    void ShowItem(QTreeWidgetItem* item);

    const SpinRecorder& recorder_;
    QTreeWidget* list_ = nullptr;
    SpinPicture* picture_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* copy_ = nullptr;
};

}  // namespace zorvik
