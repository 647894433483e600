// The font dialog: face, style, size and text colour, with a sample. Qt's own font dialog has
// neither a colour nor size limits, so this one is built from plain widgets. It lists only the
// faces installed and only the styles each face has, takes sizes from 10 to 72 points only, and
// offers the sixteen standard colours and any other through the colour dialog.
#pragma once

#include "FontSpec.h"

#include <QColor>
#include <QDialog>
#include <QList>

#include <functional>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QLayout;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace tavrio {

class FontDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from the font given. A face that is not installed starts as the face the system
    // shows in its place; an empty face starts as Times New Roman (or what stands in for it); a
    // size outside 10 to 72 points as the nearest of the two. Each family is listed once, by its
    // name alone, as the desktop lists it.
    FontDialog(const FontSpec& initial, QWidget* parent);

    // The font as chosen: the size in whole points, bold for a style heavier than regular.
    // None while the choice is incomplete or the size out of range, when OK is refused too.
    std::optional<FontSpec> chosen() const;

    // Asks for a colour outside the sixteen, starting from the current one; none when the user
    // cancels. The colour dialog, unless replaced.
    std::function<std::optional<QColor>(QWidget* parent, QColor current)> pickCustomColor;

    QListWidget* const faceList;
    QListWidget* const styleList;
    QLineEdit* const sizeEdit;
    QListWidget* const sizeList;
    // The sixteen standard colours, in the usual order from black to white.
    QList<QToolButton*> colorSwatches;
    QPushButton* const customColorButton;
    QLabel* const sizeRefusal;
    QLabel* const sample;
    QDialogButtonBox* const buttons;

    QPushButton* okButton() const;
    QSize sizeHint() const override;
    QColor color() const { return color_; }

public slots:
    void accept() override;

private:
    void layOut();
    QLayout* choicesGrid();
    QWidget* colorBox();
    QWidget* sampleBox();
    void layOutPage(QLayout* choices, QWidget* colors, QWidget* samples);
    void fillFaces(const QString& wanted);
    void fillStyles(int weight, bool italic);
    void selectListedSize();
    void chooseColor(QColor color);
    void chooseCustomColor();
    void refresh();
    std::optional<double> size() const;

    QScrollArea* const scroller_;
    QColor color_;
};

} // namespace tavrio
