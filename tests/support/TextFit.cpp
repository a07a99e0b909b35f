#include "support/TextFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>

namespace pekuru::test {

namespace {

// What a button shows of its text: "&" marks the access key and is not drawn; "&&" draws one "&".
QString shownText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The size the text needs, one line per line break, or wrapped to `wrapWidth` when it is positive.
QSize neededSize(const QFont& font, const QString& text, bool rich, int wrapWidth) {
    if (rich) {
        QTextDocument doc;
        doc.setDefaultFont(font);
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        if (wrapWidth > 0) doc.setTextWidth(wrapWidth);
        return QSize(int(std::ceil(doc.idealWidth())), int(std::ceil(doc.size().height())));
    }
    const QFontMetrics fm(font);
    if (wrapWidth > 0) return fm.boundingRect(QRect(0, 0, wrapWidth, 100000), Qt::TextWordWrap, text).size();
    const QStringList lines = text.split(QLatin1Char('\n'));
    int w = 0;
    for (const QString& line : lines) w = std::max(w, fm.horizontalAdvance(line));
    return QSize(w, fm.height() + (int(lines.size()) - 1) * fm.lineSpacing());
}

QString entry(const QWidget* w, const QString& text, QSize need, QSize have) {
    return QStringLiteral("%1: %2 (needs %3×%4, has %5×%6)")
        .arg(w->objectName(), text)
        .arg(need.width())
        .arg(need.height())
        .arg(have.width())
        .arg(have.height());
}

bool fits(QSize need, QSize have) { return need.width() <= have.width() && need.height() <= have.height(); }

void checkLabel(QLabel* label, QStringList& out) {
    if (label->text().isEmpty() || !label->pixmap().isNull()) return;
    const QRect box =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    const QSize need = neededSize(label->font(), label->text(), rich, label->wordWrap() ? box.width() : 0);
    if (!fits(need, box.size())) out << entry(label, label->text(), need, box.size());
}

void checkButton(QAbstractButton* button, QStringList& out) {
    if (button->text().isEmpty()) return;
    const QString text = shownText(button->text());
    QSize need = neededSize(button->font(), text, false, 0);
    QStyle* style = button->style();
    if (qobject_cast<QPushButton*>(button)) {
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        need += QSize(margin, 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
    } else if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button)) {
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        const int indicator = style->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, button);
        const int spacing = style->pixelMetric(
            radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
        need.rwidth() += indicator + spacing;
    }
    if (!fits(need, button->size())) out << entry(button, text, need, button->size());
}

void checkList(QListWidget* list, QStringList& out) {
    const QSize have = list->viewport()->size();
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem* item = list->item(i);
        if (item->isHidden()) continue;
        const QSize need = neededSize(item->font(), item->text(), false, 0) + QSize(2, 0);
        if (need.width() > have.width()) out << entry(list, item->text(), need, have);
    }
}

}  // namespace

QStringList clippedTexts(QWidget* screen) {
    QStringList out;
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(screen)) continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            checkLabel(label, out);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            checkButton(button, out);
        else if (auto* list = qobject_cast<QListWidget*>(w))
            checkList(list, out);
    }
    return out;
}

}  // namespace pekuru::test
