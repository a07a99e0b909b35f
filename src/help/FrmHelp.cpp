#include "help/FrmHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

#include "help/HelpGuide.h"
#include "shell/ScreenKit.h"

namespace pekuru {

namespace {

QString readText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The headings of levels 1 and 2 of a page, each with the anchor just before or inside it.
struct Heading {
    int level;
    QString text;
    QString anchor;
};
std::vector<Heading> headingsOf(const QTextDocument& doc) {
    std::vector<Heading> out;
    QString lastAnchor;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().isValid() && !it.fragment().charFormat().anchorNames().isEmpty())
                lastAnchor = it.fragment().charFormat().anchorNames().constFirst();
        const int level = b.blockFormat().headingLevel();
        if ((level == 1 || level == 2) && !b.text().trimmed().isEmpty()) {
            out.push_back({level, b.text().trimmed(), lastAnchor});
            lastAnchor.clear();
        }
    }
    return out;
}

}  // namespace

GuideBrowser::GuideBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

void GuideBrowser::setScale(double scale) { scale_ = scale; }

QVariant GuideBrowser::loadResource(int type, const QUrl& name) {
    QVariant v = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::HtmlResource || scale_ == 1) return v;
    // A picture's width is written for the smallest window; a larger one shows it larger.
    QString html = v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
    static const QRegularExpression width(QStringLiteral("width=\"(\\d+)\""));
    QString out;
    qsizetype last = 0;
    for (auto it = width.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(last, m.capturedStart() - last);
        out += QStringLiteral("width=\"%1\"").arg(int(m.captured(1).toInt() * scale_));
        last = m.capturedEnd();
    }
    out += html.mid(last);
    return out;
}

FrmHelp::FrmHelp(AppContext& context, QWidget* parent) : QWidget(parent), ctx_(context) {
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(ctx_.g.ProgTitle + QStringLiteral(" - 使い方"));
    // A window of its own: it keeps its own place and size beside the program's screens.
    setProperty("ownPlace", true);
    paintBackground(this, kBackdropColour, Qt::black);

    titleLabel = makeLabel(this, QStringLiteral("titleLabel"), QStringLiteral("使い方"));
    searchLabel = makeLabel(this, QStringLiteral("searchLabel"), QStringLiteral("さがす言葉"));
    searchEdit = named(new QLineEdit(this), QStringLiteral("searchEdit"));
    searchEdit->setAccessibleName(QStringLiteral("さがす言葉"));
    searchEdit->setClearButtonEnabled(true);
    searchLabel->setBuddy(searchEdit);
    findNextButton = makeButton(this, QStringLiteral("findNextButton"), QStringLiteral("次をさがす"));
    findPreviousButton = makeButton(this, QStringLiteral("findPreviousButton"), QStringLiteral("前をさがす"));
    searchResultLabel = makeLabel(this, QStringLiteral("searchResultLabel"));
    searchResultLabel->setAccessibleName(QStringLiteral("さがした結果"));
    contentsTree = named(new QTreeWidget(this), QStringLiteral("contentsTree"));
    contentsTree->setHeaderHidden(true);
    contentsTree->setAccessibleName(QStringLiteral("目次"));
    pageView = named(new GuideBrowser(this), QStringLiteral("pageView"));
    pageView->setAccessibleName(QStringLiteral("説明"));
    backButton = makeButton(this, QStringLiteral("backButton"), QStringLiteral("もどる"));
    contentsPageButton =
        makeButton(this, QStringLiteral("contentsPageButton"), QStringLiteral("目次のページ"));
    closeButton = makeButton(this, QStringLiteral("closeButton"), QStringLiteral("閉じる"));

    auto* grid = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(titleLabel);
    top->addStretch(1);
    top->addWidget(searchLabel);
    top->addWidget(searchEdit, 2);
    top->addWidget(findNextButton);
    top->addWidget(findPreviousButton);
    grid->addLayout(top, 0, 0);
    auto* split = named(new QSplitter(this), QStringLiteral("contentsSplitter"));
    split->addWidget(contentsTree);
    split->addWidget(pageView);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);
    grid->addWidget(split, 1, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(searchResultLabel, 1);
    bottom->addWidget(backButton);
    bottom->addWidget(contentsPageButton);
    bottom->addWidget(closeButton);
    grid->addLayout(bottom, 2, 0);
    grid->setRowStretch(1, 1);

    setTabOrder(searchEdit, findNextButton);
    setTabOrder(findNextButton, findPreviousButton);
    setTabOrder(findPreviousButton, contentsTree);
    setTabOrder(contentsTree, pageView);
    setTabOrder(pageView, backButton);
    setTabOrder(backButton, contentsPageButton);
    setTabOrder(contentsPageButton, closeButton);

    connect(findNextButton, &QPushButton::clicked, this, [this] { search(searchEdit->text()); });
    connect(findPreviousButton, &QPushButton::clicked, this, [this] { search(searchEdit->text(), true); });
    connect(searchEdit, &QLineEdit::returnPressed, this, [this] { search(searchEdit->text()); });
    connect(backButton, &QPushButton::clicked, pageView, &QTextBrowser::backward);
    connect(pageView, &QTextBrowser::backwardAvailable, backButton, &QWidget::setEnabled);
    connect(contentsPageButton, &QPushButton::clicked, this, [this] { open(kGuideStartPage); });
    connect(closeButton, &QPushButton::clicked, this, [this] { ctx_.flow.helpClosed(); });
    connect(contentsTree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { open(item->data(0, Qt::UserRole).toString()); });
    connect(contentsTree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { open(item->data(0, Qt::UserRole).toString()); });
    backButton->setEnabled(false);
    // The scroll bars say what they move.
    contentsTree->verticalScrollBar()->setAccessibleName(QStringLiteral("目次を上下に動かす"));
    contentsTree->horizontalScrollBar()->setAccessibleName(QStringLiteral("目次を左右に動かす"));
    pageView->verticalScrollBar()->setAccessibleName(QStringLiteral("説明を上下に動かす"));
    pageView->horizontalScrollBar()->setAccessibleName(QStringLiteral("説明を左右に動かす"));

    folder_ = findGuide(guideFolders(ctx_.g.AppFolder, QCoreApplication::applicationDirPath()));
    if (folder_.isEmpty()) {
        pageView->setHtml(
            QStringLiteral("<h2>使い方の説明が見つかりません</h2><p>説明のファイル (help/index.html) が、"
                           "プログラムといっしょに入っていません。プログラムを入れ直してください。</"
                           "p><p>さがした所:</p><ul>%1</ul>")
                .arg(QStringLiteral("<li>%1</li>")
                         .arg(guideFolders(ctx_.g.AppFolder, QCoreApplication::applicationDirPath())
                                  .join(QStringLiteral("</li><li>"))
                                  .toHtmlEscaped())));
        for (QWidget* w : std::initializer_list<QWidget*>{searchEdit, findNextButton, findPreviousButton,
                                                          contentsPageButton})
            w->setEnabled(false);
    } else {
        pageView->setSearchPaths({folder_});
        buildContents();
        open(kGuideStartPage);
    }
    resize(1024, 768);
    layoutControls();
}

void FrmHelp::buildContents() {
    // The start page, then every page it links to, in its order.
    pages_ = {kGuideStartPage};
    QTextDocument index;
    index.setHtml(readText(QDir(folder_).filePath(kGuideStartPage)));
    for (QTextBlock b = index.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            const QString page = href.section(QLatin1Char('#'), 0, 0);
            if (!page.isEmpty() && !pages_.contains(page) && QFileInfo(QDir(folder_).filePath(page)).isFile())
                pages_ << page;
        }
    contentsTree->clear();
    // Each page is read once: its headings make the contents, its words are what the search looks
    // through.
    words_.clear();
    titles_.clear();
    for (const QString& page : pages_) {
        QTextDocument doc;
        doc.setHtml(readText(QDir(folder_).filePath(page)));
        const std::vector<Heading> heads = headingsOf(doc);
        words_.insert(page, doc.toPlainText());
        titles_.insert(page, heads.empty() ? page : heads.front().text);
        QTreeWidgetItem* top = nullptr;
        for (const Heading& h : heads) {
            const QString target = h.anchor.isEmpty() ? page : page + QLatin1Char('#') + h.anchor;
            if (h.level == 1 || !top) {
                top = new QTreeWidgetItem(contentsTree, {h.text});
                top->setData(0, Qt::UserRole, h.level == 1 ? page : target);
            } else {
                auto* item = new QTreeWidgetItem(top, {h.text});
                item->setData(0, Qt::UserRole, target);
            }
        }
    }
    contentsTree->expandAll();
}

void FrmHelp::open(const QString& page) {
    if (folder_.isEmpty()) return;
    pageView->setSource(QUrl(page));
}

QString FrmHelp::currentPage() const { return pageView->source().toString(); }

bool FrmHelp::search(const QString& text, bool backward) {
    searchResultLabel->clear();
    if (text.trimmed().isEmpty() || folder_.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (pageView->find(text, flags)) return true;
    // Not further on in this page: the pages after it (before it, going back), then this one again
    // from its other end.
    const QString current = pageView->source().path();
    const qsizetype at = std::max<qsizetype>(0, pages_.indexOf(current));
    for (qsizetype step = 1; step <= pages_.size(); ++step) {
        const qsizetype i = (at + (backward ? -step : step) % pages_.size() + pages_.size()) % pages_.size();
        const QString page = pages_[i];
        if (!words_.value(page).contains(text, Qt::CaseInsensitive)) continue;
        if (page != current) open(page);
        QTextCursor c = pageView->textCursor();
        c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        pageView->setTextCursor(c);
        if (pageView->find(text, flags)) {
            searchResultLabel->setText(QStringLiteral("「%1」: %2").arg(text, titles_.value(page)));
            return true;
        }
    }
    searchResultLabel->setText(QStringLiteral("「%1」は見つかりませんでした。").arg(text));
    return false;
}

void FrmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        closeButton->click();
        return;
    }
    if (event->matches(QKeySequence::Find)) {
        searchEdit->setFocus();
        searchEdit->selectAll();
        return;
    }
    if (event->matches(QKeySequence::Back)) {
        pageView->backward();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmHelp::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void FrmHelp::layoutControls() {
    const double u = screenUnit(size());
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->parentWidget() == this || w->parentWidget() == findChild<QSplitter*>()) setGothic(w, 14 * u);
    }
    setGothic(titleLabel, 20 * u, true);
    pageView->document()->setDefaultFont(gothicFont(14 * u));
    for (QPushButton* b : {findNextButton, findPreviousButton, backButton, contentsPageButton, closeButton})
        b->setMinimumHeight(int(36 * u));
    // The contents keep room for their longest lines; the page takes the rest.
    if (auto* split = findChild<QSplitter*>(QStringLiteral("contentsSplitter"))) {
        const int contents = std::min(int(330 * u), width() * 2 / 5);
        split->setSizes({contents, std::max(1, split->width() - contents)});
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int m = int(12 * u);
        grid->setContentsMargins(m, m, m, m);
        grid->setSpacing(int(8 * u));
    }
    // The pictures follow the words' size.
    const double scale = std::max(1.0, std::round(u * 4) / 4);
    if (!folder_.isEmpty() && scale != pageView->scale()) {
        pageView->setScale(scale);
        if (!pageView->source().isEmpty()) pageView->reload();
    }
}

}  // namespace pekuru
