#include "objects/auswahl/TKombieintragsmaler.h"

#include "objects/auswahl/Kombibilder.h"

#include <QPainter>

namespace {
constexpr int SymbolLinks = 3;
constexpr int TextLinks = 22;
} // namespace

void TKombieintragsmaler::EintragMalen(QPainter& Maler, const QRect& Rechteck, const QString& Text,
                                       const QPalette& Farben, bool Gewaehlt) {
    Maler.save();
    Maler.fillRect(Rechteck, Farben.color(Gewaehlt ? QPalette::Highlight : QPalette::Base));
    QPixmap symbol;
    if (Text.startsWith(QLatin1String("HTTP")))
        symbol = Webbild();
    else if (Text.startsWith(QLatin1String("FTP")))
        symbol = Uebertragungsbild();
    if (!symbol.isNull())
        Maler.drawPixmap(Rechteck.left() + SymbolLinks,
                         Rechteck.top() + (Rechteck.height() - symbol.height()) / 2, symbol);
    Maler.setPen(Farben.color(Gewaehlt ? QPalette::HighlightedText : QPalette::Text));
    Maler.drawText(Rechteck.adjusted(TextLinks, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Text);
    Maler.restore();
}

void TKombieintragsmaler::paint(QPainter* Maler, const QStyleOptionViewItem& Option,
                                const QModelIndex& Index) const {
    Maler->setFont(Option.font);
    EintragMalen(*Maler, Option.rect, Index.data(Qt::DisplayRole).toString(), Option.palette,
                 Option.state.testFlag(QStyle::State_Selected));
}
