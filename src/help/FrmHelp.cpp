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

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("使い方"));
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("さがす言葉"));
    Text1 = named(new QLineEdit(this), QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("さがす言葉"));
    Text1->setClearButtonEnabled(true);
    Label2->setBuddy(Text1);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("次をさがす"));
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("前をさがす"));
    Label3 = makeLabel(this, QStringLiteral("Label3"));
    Label3->setAccessibleName(QStringLiteral("さがした結果"));
    Tree1 = named(new QTreeWidget(this), QStringLiteral("Tree1"));
    Tree1->setHeaderHidden(true);
    Tree1->setAccessibleName(QStringLiteral("目次"));
    Browser1 = named(new GuideBrowser(this), QStringLiteral("Browser1"));
    Browser1->setAccessibleName(QStringLiteral("説明"));
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("もどる"));
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("目次のページ"));
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("閉じる"));

    auto* grid = new QGridLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(Label1);
    top->addStretch(1);
    top->addWidget(Label2);
    top->addWidget(Text1, 2);
    top->addWidget(Command1);
    top->addWidget(Command2);
    grid->addLayout(top, 0, 0);
    auto* split = named(new QSplitter(this), QStringLiteral("Splitter1"));
    split->addWidget(Tree1);
    split->addWidget(Browser1);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);
    split->setChildrenCollapsible(false);
    grid->addWidget(split, 1, 0);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label3, 1);
    bottom->addWidget(Command3);
    bottom->addWidget(Command4);
    bottom->addWidget(Command5);
    grid->addLayout(bottom, 2, 0);
    grid->setRowStretch(1, 1);

    setTabOrder(Text1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Tree1);
    setTabOrder(Tree1, Browser1);
    setTabOrder(Browser1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command5);

    connect(Command1, &QPushButton::clicked, this, [this] { search(Text1->text()); });
    connect(Command2, &QPushButton::clicked, this, [this] { search(Text1->text(), true); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { search(Text1->text()); });
    connect(Command3, &QPushButton::clicked, Browser1, &QTextBrowser::backward);
    connect(Browser1, &QTextBrowser::backwardAvailable, Command3, &QWidget::setEnabled);
    connect(Command4, &QPushButton::clicked, this, [this] { open(kGuideStartPage); });
    connect(Command5, &QPushButton::clicked, this, [this] { ctx_.flow.helpClosed(); });
    connect(Tree1, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { open(item->data(0, Qt::UserRole).toString()); });
    connect(Tree1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { open(item->data(0, Qt::UserRole).toString()); });
    Command3->setEnabled(false);
    // The scroll bars say what they move.
    Tree1->verticalScrollBar()->setAccessibleName(QStringLiteral("目次を上下に動かす"));
    Tree1->horizontalScrollBar()->setAccessibleName(QStringLiteral("目次を左右に動かす"));
    Browser1->verticalScrollBar()->setAccessibleName(QStringLiteral("説明を上下に動かす"));
    Browser1->horizontalScrollBar()->setAccessibleName(QStringLiteral("説明を左右に動かす"));

    folder_ = findGuide(guideFolders(ctx_.g.AppFolder, QCoreApplication::applicationDirPath()));
    if (folder_.isEmpty()) {
        Browser1->setHtml(
            QStringLiteral("<h2>使い方の説明が見つかりません</h2><p>説明のファイル (help/index.html) が、"
                           "プログラムといっしょに入っていません。プログラムを入れ直してください。</"
                           "p><p>さがした所:</p><ul>%1</ul>")
                .arg(QStringLiteral("<li>%1</li>")
                         .arg(guideFolders(ctx_.g.AppFolder, QCoreApplication::applicationDirPath())
                                  .join(QStringLiteral("</li><li>"))
                                  .toHtmlEscaped())));
        for (QWidget* w : std::initializer_list<QWidget*>{Text1, Command1, Command2, Command4})
            w->setEnabled(false);
    } else {
        Browser1->setSearchPaths({folder_});
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
    Tree1->clear();
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
                top = new QTreeWidgetItem(Tree1, {h.text});
                top->setData(0, Qt::UserRole, h.level == 1 ? page : target);
            } else {
                auto* item = new QTreeWidgetItem(top, {h.text});
                item->setData(0, Qt::UserRole, target);
            }
        }
    }
    Tree1->expandAll();
}

void FrmHelp::open(const QString& page) {
    if (folder_.isEmpty()) return;
    Browser1->setSource(QUrl(page));
}

QString FrmHelp::currentPage() const { return Browser1->source().toString(); }

bool FrmHelp::search(const QString& text, bool backward) {
    Label3->clear();
    if (text.trimmed().isEmpty() || folder_.isEmpty()) return false;
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (Browser1->find(text, flags)) return true;
    // Not further on in this page: the pages after it (before it, going back), then this one again
    // from its other end.
    const QString current = Browser1->source().path();
    const qsizetype at = std::max<qsizetype>(0, pages_.indexOf(current));
    for (qsizetype step = 1; step <= pages_.size(); ++step) {
        const qsizetype i = (at + (backward ? -step : step) % pages_.size() + pages_.size()) % pages_.size();
        const QString page = pages_[i];
        if (!words_.value(page).contains(text, Qt::CaseInsensitive)) continue;
        if (page != current) open(page);
        QTextCursor c = Browser1->textCursor();
        c.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        Browser1->setTextCursor(c);
        if (Browser1->find(text, flags)) {
            Label3->setText(QStringLiteral("「%1」: %2").arg(text, titles_.value(page)));
            return true;
        }
    }
    Label3->setText(QStringLiteral("「%1」は見つかりませんでした。").arg(text));
    return false;
}

void FrmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Command5->click();
        return;
    }
    if (event->matches(QKeySequence::Find)) {
        Text1->setFocus();
        Text1->selectAll();
        return;
    }
    if (event->matches(QKeySequence::Back)) {
        Browser1->backward();
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
    setGothic(Label1, 20 * u, true);
    Browser1->document()->setDefaultFont(gothicFont(14 * u));
    for (QPushButton* b : {Command1, Command2, Command3, Command4, Command5})
        b->setMinimumHeight(int(36 * u));
    // The contents keep room for their longest lines; the page takes the rest.
    if (auto* split = findChild<QSplitter*>(QStringLiteral("Splitter1"))) {
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
    if (!folder_.isEmpty() && scale != Browser1->scale()) {
        Browser1->setScale(scale);
        if (!Browser1->source().isEmpty()) Browser1->reload();
    }
}

}  // namespace pekuru
