#pragma once
// Draws the entries of a combo box in its owner-drawn layout: each on the box's colour,
// web and file-transfer entries with their icon at the left, the text after it.

#include <QStyledItemDelegate>

class TKombieintragsmaler : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // One entry into `Rechteck`; a chosen entry is drawn in the highlight colours.
    static void EintragMalen(QPainter& Maler, const QRect& Rechteck, const QString& Text,
                             const QPalette& Farben, bool Gewaehlt);

    void paint(QPainter* Maler, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override;
};
